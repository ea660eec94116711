#include "activex/type_description.h"

#include <olectl.h>

#include "activex/com_error.h"
#include "activex/identifiers.h"

namespace kovra::activex {
namespace {

// The standard OLE library and the identifiers of the types taken from it.
constexpr GUID kStandardOleLibrary{
    0x00020430, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID kOleColor{
    0x66504301, 0xBE0F, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

ComPtr<ITypeInfo> StandardType(ITypeLib* library, const GUID& id) {
  ComPtr<ITypeInfo> type;
  ThrowIfFailed(library->GetTypeInfoOfGuid(id, type.Put()));
  return type;
}

}  // namespace

TypeDescription::TypeDescription(VARTYPE base) {
  auto link = std::make_unique<TYPEDESC>();
  link->vt = base;
  links_.push_back(std::move(link));
}

TypeDescription TypeDescription::UserDefined(HREFTYPE reference) {
  TypeDescription description(VT_USERDEFINED);
  description.links_.back()->hreftype = reference;
  return description;
}

TypeDescription& TypeDescription::AddPointer() {
  auto link = std::make_unique<TYPEDESC>();
  link->vt = VT_PTR;
  link->lptdesc = links_.back().get();
  links_.push_back(std::move(link));
  return *this;
}

TypeReferences::TypeReferences() {
  ComPtr<ITypeLib> standard;
  ThrowIfFailed(::LoadRegTypeLib(kStandardOleLibrary, 2, 0, LOCALE_NEUTRAL, standard.Put()));
  dispatch_ = StandardType(standard.get(), IID_IDispatch);
  color_ = StandardType(standard.get(), kOleColor);
  font_ = StandardType(standard.get(), IID_IFontDisp);
  picture_ = StandardType(standard.get(), IID_IPictureDisp);
}

void TypeReferences::Add(std::wstring_view name, ComPtr<ITypeInfo> type) {
  own_.insert_or_assign(std::wstring(name), std::move(type));
}

ITypeInfo* TypeReferences::Own(std::wstring_view name) const {
  const auto found = own_.find(name);
  if (found == own_.end()) throw ComError(TYPE_E_ELEMENTNOTFOUND);
  return found->second.get();
}

TypeDescription TypeReferences::Describe(ICreateTypeInfo* writing, ValueType type,
                                         std::wstring_view enumeration) const {
  const auto object = [&](ITypeInfo* dispatchable) {
    TypeDescription description = TypeDescription::UserDefined(ReferenceTo(writing, dispatchable));
    description.AddPointer();
    return description;
  };
  switch (type) {
    case ValueType::None:
      return TypeDescription(VT_VOID);
    case ValueType::Boolean:
      return TypeDescription(VT_BOOL);
    case ValueType::Int16:
      return TypeDescription(VT_I2);
    case ValueType::Int32:
      return TypeDescription(VT_I4);
    case ValueType::Single:
      return TypeDescription(VT_R4);
    case ValueType::Double:
      return TypeDescription(VT_R8);
    case ValueType::String:
      return TypeDescription(VT_BSTR);
    case ValueType::Color:
      return TypeDescription::UserDefined(ReferenceTo(writing, color_.get()));
    case ValueType::Enumeration:
      return TypeDescription::UserDefined(ReferenceTo(writing, Own(enumeration)));
    case ValueType::Font:
      return object(font_.get());
    case ValueType::Picture:
      return object(picture_.get());
    case ValueType::DataObject:
      return object(Own(kDataObjectInterface.name));
  }
  throw ComError(E_INVALIDARG);
}

HREFTYPE ReferenceTo(ICreateTypeInfo* writing, ITypeInfo* type) {
  HREFTYPE reference = 0;
  ThrowIfFailed(writing->AddRefTypeInfo(type, &reference));
  return reference;
}

}  // namespace kovra::activex
