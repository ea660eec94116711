#include "activex/type_library_writer.h"

#include <oleauto.h>

#include <string_view>
#include <vector>

#include "activex/com_error.h"
#include "activex/com_ptr.h"
#include "activex/dual_slots.h"
#include "activex/identifiers.h"
#include "activex/type_description.h"
#include "core/enumerations.h"
#include "core/member_table.h"

namespace kovra::activex {
namespace {

// The member identifiers of enumeration constants, counted from here as type-library compilers
// number members declared without one.
constexpr MEMBERID kFirstConstantId = 0x40000000;

// Interfaces that both early- and late-bound clients call, whose set of members is fixed.
constexpr WORD kDualInterfaceFlags =
    TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FNONEXTENSIBLE;

// One parameter of a function being written.
struct Parameter {
  std::wstring_view name;  // empty for the value of a property put
  TypeDescription type;
  USHORT flags;
};

// One function of an interface being written.
struct Function {
  MEMBERID id;
  FUNCKIND kind;
  INVOKEKIND invoke;
  VARTYPE result;
  WORD flags;
  std::vector<Parameter> parameters;
};

class LibraryWriter {
 public:
  LibraryWriter(const std::wstring& path, SYSKIND system)
      : pointerSize_(system == SYS_WIN64 ? 8 : 4) {
    ThrowIfFailed(::CreateTypeLib2(system, path.c_str(), library_.Put()));
    ThrowIfFailed(library_->SetName(const_cast<LPOLESTR>(kTypeLibraryName.data())));
    ThrowIfFailed(library_->SetGuid(kLibraryId));
    ThrowIfFailed(library_->SetVersion(kLibraryMajorVersion, kLibraryMinorVersion));
    ThrowIfFailed(library_->SetLcid(kTypeLibraryLocale));
    ThrowIfFailed(library_->SetLibFlags(LIBFLAG_FCONTROL));
    ThrowIfFailed(library_->SetDocString(const_cast<LPOLESTR>(kTypeLibraryDescription.data())));
    ThrowIfFailed(library_->SetHelpFileName(const_cast<LPOLESTR>(kHelpFile.data())));
  }

  void WriteEnumerations() {
    for (const Enumeration& enumeration : Enumerations()) {
      const ComPtr<ICreateTypeInfo> type = NewType(enumeration.name, TKIND_ENUM, GUID_NULL, 0);
      UINT index = 0;
      for (const EnumMember& member : enumeration.members) {
        VARIANT value;
        value.vt = VT_I4;
        value.lVal = member.value;
        VARDESC description{};
        description.memid = kFirstConstantId + static_cast<MEMBERID>(index);
        description.varkind = VAR_CONST;
        description.lpvarValue = &value;
        description.elemdescVar.tdesc.vt = VT_I4;
        ThrowIfFailed(type->AddVarDesc(index, &description));
        ThrowIfFailed(type->SetVarName(index, Text(member.name)));
        ThrowIfFailed(type->SetVarDocString(index, Text(member.description)));
        ++index;
      }
      Finish(enumeration.name, type);
    }
  }

  // The data of the drag-and-drop events: a dual interface of its own (no host runtime's).
  void WriteDataObject() {
    const ComPtr<ICreateTypeInfo> type = NewType(kDataObjectInterface.name, TKIND_INTERFACE,
                                                 kDataObjectInterface.id, kDualInterfaceFlags);
    Implement(type.get(), 0, references_.Dispatch(), 0);
    Finish(kDataObjectInterface.name, type);
  }

  void WriteControlInterface() {
    const ComPtr<ICreateTypeInfo> type =
        NewType(kControlInterface.name, TKIND_INTERFACE, kControlInterface.id,
                kDualInterfaceFlags | TYPEFLAG_FHIDDEN);
    Implement(type.get(), 0, references_.Dispatch(), 0);
    for (UINT index = 0; index < kDualSlots.size(); ++index) {
      const Member& member = SlotMember(kDualSlots[index]);
      const auto value = [&](bool pointer) {
        TypeDescription description =
            references_.Describe(type.get(), member.type, member.enumeration);
        if (pointer) description.AddPointer();
        return description;
      };
      INVOKEKIND invoke = INVOKE_FUNC;
      std::vector<Parameter> parameters;
      switch (kDualSlots[index].kind) {
        case SlotKind::Get:
          invoke = INVOKE_PROPERTYGET;
          parameters = Parameters({}, value(true), PARAMFLAG_FOUT | PARAMFLAG_FRETVAL);
          break;
        case SlotKind::Let:
          invoke = INVOKE_PROPERTYPUT;
          parameters = Parameters({}, value(false), PARAMFLAG_FIN);
          break;
        case SlotKind::Set:
          invoke = INVOKE_PROPERTYPUTREF;
          parameters = Parameters({}, value(false), PARAMFLAG_FIN);
          break;
        case SlotKind::Method:
          for (const MethodParameter& parameter : member.parameters) {
            parameters.push_back({parameter.name,
                                  references_.Describe(type.get(), parameter.type, {}),
                                  PARAMFLAG_FIN});
          }
          break;
      }
      AddFunction(type.get(), index,
                  {member.dispatchId, FUNC_PUREVIRTUAL, invoke, VT_HRESULT,
                   FunctionFlags(member.attributes), std::move(parameters)},
                  member.name);
      if (member.helpContext != 0) {
        ThrowIfFailed(type->SetFuncHelpContext(index, static_cast<DWORD>(member.helpContext)));
      }
      if (!member.helpString.empty()) {
        ThrowIfFailed(type->SetFuncDocString(index, Text(member.helpString)));
      }
    }
    Finish(kControlInterface.name, type);
  }

  // Every event argument is passed by reference, so that a handler's change goes back.
  void WriteEventInterface() {
    const ComPtr<ICreateTypeInfo> type =
        NewType(kEventInterface.name, TKIND_DISPATCH, kEventInterface.id, TYPEFLAG_FHIDDEN);
    Implement(type.get(), 0, references_.Dispatch(), 0);
    UINT index = 0;
    for (const EventInfo& event : Events()) {
      std::vector<Parameter> parameters;
      for (const EventArgumentInfo& argument : event.arguments) {
        TypeDescription description = references_.Describe(type.get(), argument.type, {});
        description.AddPointer();
        parameters.push_back(
            {argument.name, std::move(description), PARAMFLAG_FIN | PARAMFLAG_FOUT});
      }
      AddFunction(type.get(), index,
                  {event.dispatchId, FUNC_DISPATCH, INVOKE_FUNC, VT_VOID, 0, std::move(parameters)},
                  event.name);
      ++index;
    }
    Finish(kEventInterface.name, type);
  }

  void WriteControlClass() {
    const ComPtr<ICreateTypeInfo> type =
        NewType(kControlClass.name, TKIND_COCLASS, kControlClass.id,
                TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL);
    Implement(type.get(), 0, references_.Own(kControlInterface.name), IMPLTYPEFLAG_FDEFAULT);
    Implement(type.get(), 1, references_.Own(kEventInterface.name),
              IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    Finish(kControlClass.name, type);
  }

  void WritePages() {
    for (const PageIdentity& page : kPages) {
      const ComPtr<ICreateTypeInfo> pageInterface =
          NewType(page.pageInterface.name, TKIND_INTERFACE, page.pageInterface.id,
                  kDualInterfaceFlags | TYPEFLAG_FHIDDEN);
      Implement(pageInterface.get(), 0, references_.Dispatch(), 0);
      Finish(page.pageInterface.name, pageInterface);
      const ComPtr<ICreateTypeInfo> type =
          NewType(page.pageClass.name, TKIND_COCLASS, page.pageClass.id, TYPEFLAG_FCANCREATE);
      Implement(type.get(), 0, references_.Own(page.pageInterface.name), IMPLTYPEFLAG_FDEFAULT);
      Finish(page.pageClass.name, type);
    }
  }

  void Save() { ThrowIfFailed(library_->SaveAllChanges()); }

 private:
  // The APIs take names as non-constant strings but do not change them.
  static LPOLESTR Text(std::wstring_view text) { return const_cast<LPOLESTR>(text.data()); }

  static WORD FunctionFlags(std::uint8_t attributes) {
    WORD flags = 0;
    if (attributes & kBindable) flags |= FUNCFLAG_FBINDABLE;
    if (attributes & kDefaultBind) flags |= FUNCFLAG_FDEFAULTBIND;
    if (attributes & kHidden) flags |= FUNCFLAG_FHIDDEN;
    if (attributes & kNotBrowsable) flags |= FUNCFLAG_FNONBROWSABLE;
    return flags;
  }

  static std::vector<Parameter> Parameters(std::wstring_view name, TypeDescription type,
                                           USHORT flags) {
    std::vector<Parameter> parameters;
    parameters.push_back({name, std::move(type), flags});
    return parameters;
  }

  ComPtr<ICreateTypeInfo> NewType(std::wstring_view name, TYPEKIND kind, const GUID& id,
                                  WORD flags) {
    ComPtr<ICreateTypeInfo> type;
    ThrowIfFailed(library_->CreateTypeInfo(Text(name), kind, type.Put()));
    if (!::IsEqualGUID(id, GUID_NULL)) ThrowIfFailed(type->SetGuid(id));
    if (flags != 0) ThrowIfFailed(type->SetTypeFlags(flags));
    return type;
  }

  static void Implement(ICreateTypeInfo* type, UINT index, ITypeInfo* implemented, INT flags) {
    ThrowIfFailed(type->AddImplType(index, ReferenceTo(type, implemented)));
    if (flags != 0) ThrowIfFailed(type->SetImplTypeFlags(index, flags));
  }

  void AddFunction(ICreateTypeInfo* type, UINT index, const Function& function,
                   std::wstring_view name) const {
    std::vector<ELEMDESC> elements(function.parameters.size());
    std::vector<LPOLESTR> names{Text(name)};
    for (std::size_t i = 0; i < elements.size(); ++i) {
      elements[i].tdesc = function.parameters[i].type.get();
      elements[i].paramdesc.wParamFlags = function.parameters[i].flags;
      if (!function.parameters[i].name.empty()) names.push_back(Text(function.parameters[i].name));
    }
    FUNCDESC description{};
    description.memid = function.id;
    description.funckind = function.kind;
    description.invkind = function.invoke;
    description.callconv = CC_STDCALL;
    description.cParams = static_cast<SHORT>(elements.size());
    description.lprgelemdescParam = elements.data();
    description.elemdescFunc.tdesc.vt = function.result;
    description.wFuncFlags = function.flags;
    // The vtable slot, in the pointer size of the library's system: left to the system, a
    // 64-bit writer would lay a 32-bit library out after a 64-bit IDispatch.
    if (function.kind == FUNC_PUREVIRTUAL) {
      description.oVft = static_cast<SHORT>((kDispatchSlots + index) * pointerSize_);
    }
    ThrowIfFailed(type->AddFuncDesc(index, &description));
    ThrowIfFailed(type->SetFuncAndParamNames(index, names.data(), static_cast<UINT>(names.size())));
  }

  // Lays the type out and makes it available to the types written after it.
  void Finish(std::wstring_view name, const ComPtr<ICreateTypeInfo>& type) {
    ThrowIfFailed(type->LayOut());
    ComPtr<ITypeInfo> written = type.As<ITypeInfo>();
    if (!written) throw ComError(E_NOINTERFACE);
    references_.Add(name, std::move(written));
  }

  UINT pointerSize_;
  ComPtr<ICreateTypeLib2> library_;
  TypeReferences references_;
};

}  // namespace

void WriteTypeLibrary(const std::wstring& path, SYSKIND system) {
  LibraryWriter writer(path, system);
  writer.WriteEnumerations();
  writer.WriteDataObject();
  writer.WriteControlInterface();
  writer.WriteEventInterface();
  writer.WriteControlClass();
  writer.WritePages();
  writer.Save();
}

}  // namespace kovra::activex
