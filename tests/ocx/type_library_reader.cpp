#include "tests/ocx/type_library_reader.h"

#include "activex/com_values.h"

namespace kovra::ocx_test {

using activex::Bstr;

ComPtr<ITypeLib> LoadEmbeddedLibrary(const std::wstring& file) {
  ComPtr<ITypeLib> library;
  ::LoadTypeLibEx(file.c_str(), REGKIND_NONE, library.Put());
  return library;
}

ComPtr<ITypeInfo> TypeNamed(ITypeLib* library, const std::wstring& name) {
  for (UINT i = 0; i < library->GetTypeInfoCount(); ++i) {
    Bstr found;
    if (FAILED(library->GetDocumentation(static_cast<INT>(i), found.Put(), nullptr, nullptr,
                                         nullptr))) {
      continue;
    }
    if (found.view() == name) {
      ComPtr<ITypeInfo> type;
      library->GetTypeInfo(i, type.Put());
      return type;
    }
  }
  return {};
}

ComPtr<ITypeInfo> VtableHalf(ITypeInfo* dual) {
  HREFTYPE reference = 0;
  ComPtr<ITypeInfo> half;
  if (SUCCEEDED(dual->GetRefTypeOfImplType(static_cast<UINT>(-1), &reference))) {
    dual->GetRefTypeInfo(reference, half.Put());
  }
  return half;
}

std::wstring TypeText(ITypeInfo* owner, const TYPEDESC& type) {
  switch (type.vt) {
    case VT_PTR:
      return TypeText(owner, *type.lptdesc) + L"*";
    case VT_USERDEFINED:
      return ReferenceText(owner, type.hreftype);
    case VT_BOOL:
      return L"VARIANT_BOOL";
    case VT_I2:
      return L"short";
    case VT_I4:
      return L"long";
    case VT_R4:
      return L"single";
    case VT_R8:
      return L"double";
    case VT_BSTR:
      return L"BSTR";
    case VT_VOID:
      return L"void";
    case VT_HRESULT:
      return L"HRESULT";
    default:
      return L"vt" + std::to_wstring(type.vt);
  }
}

std::wstring ReferenceText(ITypeInfo* owner, HREFTYPE reference) {
  ComPtr<ITypeInfo> referenced;
  if (FAILED(owner->GetRefTypeInfo(reference, referenced.Put()))) return L"?";
  ComPtr<ITypeLib> library;
  UINT index = 0;
  if (FAILED(referenced->GetContainingTypeLib(library.Put(), &index))) return L"?";
  Bstr libraryName;
  library->GetDocumentation(-1, libraryName.Put(), nullptr, nullptr, nullptr);
  return std::wstring(libraryName.view()) + L"." +
         DocumentationOf(referenced.get(), MEMBERID_NIL).name;
}

Documentation DocumentationOf(ITypeInfo* type, MEMBERID member) {
  Bstr name, docString, helpFile;
  Documentation documentation;
  type->GetDocumentation(member, name.Put(), docString.Put(), &documentation.helpContext,
                         helpFile.Put());
  documentation.name = name.view();
  documentation.docString = docString.view();
  documentation.helpFile = helpFile.view();
  return documentation;
}

std::vector<std::wstring> NamesOf(ITypeInfo* type, MEMBERID member) {
  BSTR names[16] = {};
  UINT count = 0;
  type->GetNames(member, names, 16, &count);
  std::vector<std::wstring> result;
  for (UINT i = 0; i < count; ++i) result.emplace_back(Bstr::Adopt(names[i]).view());
  return result;
}

}  // namespace kovra::ocx_test
