// The type library embedded in KovraDouble.ocx, read back through the system's own reader and
// held item by item to the core's member, event and enumeration tables: the library's facts,
// the dual interface with every member (dispatch identifier, kind, type, vtable slot, help
// context, help string, attributes), the events with their by-reference arguments, the
// enumerations with their exact names and texts, the control class and the page classes. The
// 64-bit library is read always, the 32-bit one when the test script names it.
#include <gtest/gtest.h>

#include <cwctype>
#include <string>
#include <vector>

#include "activex/com_values.h"
#include "activex/identifiers.h"
#include "core/enumerations.h"
#include "core/member_table.h"
#include "tests/ocx/ocx_test_support.h"
#include "tests/ocx/type_library_reader.h"

namespace kovra::ocx_test {
namespace {

// The type the library must give a value of the core's table, as TypeText writes it.
std::wstring ExpectedType(ValueType type, std::wstring_view enumeration) {
  switch (type) {
    case ValueType::None:
      return L"void";
    case ValueType::Boolean:
      return L"VARIANT_BOOL";
    case ValueType::Int16:
      return L"short";
    case ValueType::Int32:
      return L"long";
    case ValueType::Single:
      return L"single";
    case ValueType::Double:
      return L"double";
    case ValueType::String:
      return L"BSTR";
    case ValueType::Color:
      return L"stdole.OLE_COLOR";
    case ValueType::Enumeration:
      return L"Kovra_Double." + std::wstring(enumeration);
    case ValueType::Font:
      return L"stdole.Font*";
    case ValueType::Picture:
      return L"stdole.Picture*";
    case ValueType::DataObject:
      return L"Kovra_Double.DataObject*";
  }
  return L"?";
}

WORD ExpectedFunctionFlags(const Member& member) {
  WORD flags = 0;
  if (member.attributes & kHidden) flags |= FUNCFLAG_FHIDDEN;
  if (member.attributes & kNotBrowsable) flags |= FUNCFLAG_FNONBROWSABLE;
  if (member.attributes & kBindable) flags |= FUNCFLAG_FBINDABLE;
  if (member.attributes & kDefaultBind) flags |= FUNCFLAG_FDEFAULTBIND;
  return flags;
}

// The vtable functions a member brings, in the order the interface holds them.
struct ExpectedFunction {
  const Member* member;
  INVOKEKIND invoke;
};
std::vector<ExpectedFunction> ExpectedFunctions() {
  std::vector<ExpectedFunction> functions;
  for (const Member& member : Members()) {
    if (member.access & kGet) functions.push_back({&member, INVOKE_PROPERTYGET});
    if (member.access & kLet) functions.push_back({&member, INVOKE_PROPERTYPUT});
    if (member.access & kSet) functions.push_back({&member, INVOKE_PROPERTYPUTREF});
    if (member.access & kMethod) functions.push_back({&member, INVOKE_FUNC});
  }
  return functions;
}

std::wstring Narrow(std::wstring_view text) { return std::wstring(text); }

struct LibraryBuild {
  const char* name;
  bool wide;
};

class EmbeddedTypeLibrary : public ::testing::TestWithParam<LibraryBuild> {
 protected:
  void SetUp() override {
    const std::wstring file = GetParam().wide ? OcxPath() : Ocx32Path();
    if (file.empty()) GTEST_SKIP() << "no 32-bit library named (KOVRA_OCX32)";
    library_ = LoadEmbeddedLibrary(file);
    ASSERT_TRUE(library_) << "no type library in " << testing::PrintToString(file);
  }

  ComPtr<ITypeInfo> Type(std::wstring_view name) {
    ComPtr<ITypeInfo> type = TypeNamed(library_.get(), std::wstring(name));
    EXPECT_TRUE(type) << "no type " << testing::PrintToString(std::wstring(name));
    return type;
  }

  ComPtr<ITypeLib> library_;
};

TEST_P(EmbeddedTypeLibrary, NamesItselfAsAControlLibrary) {
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library_->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(::IsEqualGUID(attributes->guid, activex::kLibraryId));
  EXPECT_EQ(attributes->lcid, 0x0409u);
  EXPECT_EQ(attributes->wMajorVerNum, 1);
  EXPECT_EQ(attributes->wMinorVerNum, 0);
  EXPECT_EQ(attributes->syskind, GetParam().wide ? SYS_WIN64 : SYS_WIN32);
  EXPECT_TRUE(attributes->wLibFlags & LIBFLAG_FCONTROL);
  library_->ReleaseTLibAttr(attributes);

  activex::Bstr name, description, helpFile;
  ASSERT_EQ(library_->GetDocumentation(-1, name.Put(), description.Put(), nullptr, helpFile.Put()),
            S_OK);
  EXPECT_EQ(name.view(), L"Kovra_Double");
  EXPECT_EQ(description.view(), L"KovraDouble Control");
  EXPECT_EQ(helpFile.view(), L"KovraTool.chm");

  // The enumerations, DataObject, the control's two interfaces and class, and each page's
  // interface and class: nothing more.
  EXPECT_EQ(library_->GetTypeInfoCount(), Enumerations().size() + 4 + 2 * activex::kPages.size());
}

TEST_P(EmbeddedTypeLibrary, ControlInterfaceIsAHiddenDualInterfaceThatCannotGrow) {
  ComPtr<ITypeInfo> dispatch = Type(L"_KovraDouble");
  ASSERT_TRUE(dispatch);
  ComPtr<ITypeInfo> vtable = VtableHalf(dispatch.get());
  ASSERT_TRUE(vtable);
  const TypeAttributes attributes(vtable.get());
  EXPECT_EQ(attributes->typekind, TKIND_INTERFACE);
  EXPECT_TRUE(::IsEqualGUID(attributes->guid, activex::kControlInterface.id));
  constexpr WORD kPromised =
      TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE | TYPEFLAG_FOLEAUTOMATION;
  EXPECT_EQ(attributes->wTypeFlags & kPromised, kPromised);
  EXPECT_EQ(attributes->cImplTypes, 1);
  HREFTYPE base = 0;
  ASSERT_EQ(vtable->GetRefTypeOfImplType(0, &base), S_OK);
  EXPECT_EQ(ReferenceText(vtable.get(), base), L"stdole.IDispatch");
}

TEST_P(EmbeddedTypeLibrary, ControlInterfaceHoldsEveryMemberInOrderWithItsKindTypeAndSlot) {
  ComPtr<ITypeInfo> dispatch = Type(L"_KovraDouble");
  ASSERT_TRUE(dispatch);
  ComPtr<ITypeInfo> vtable = VtableHalf(dispatch.get());
  ASSERT_TRUE(vtable);
  const std::vector<ExpectedFunction> expected = ExpectedFunctions();
  const ComPtr<ITypeInfo2> described = vtable.As<ITypeInfo2>();
  ASSERT_TRUE(described);
  const TypeAttributes attributes(vtable.get());
  ASSERT_EQ(static_cast<std::size_t>(attributes->cFuncs), expected.size());
  if (GetParam().wide) {
    // The vtable's size. Wine, writing a 32-bit library from a 64-bit process, counts IDispatch
    // in 64-bit pointers here (the slots of the functions themselves are right).
    EXPECT_EQ(static_cast<std::size_t>(attributes->cbSizeVft),
              (7 + expected.size()) * sizeof(void*));
  }

  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Member& member = *expected[i].member;
    SCOPED_TRACE(testing::PrintToString(Narrow(member.name)) + " function " + std::to_string(i));
    const FunctionDescription function(vtable.get(), static_cast<UINT>(i));
    EXPECT_EQ(function->memid, member.dispatchId);
    EXPECT_EQ(function->invkind, expected[i].invoke);
    EXPECT_EQ(function->funckind, FUNC_PUREVIRTUAL);
    EXPECT_EQ(function->callconv, CC_STDCALL);
    EXPECT_EQ(TypeText(vtable.get(), function->elemdescFunc.tdesc), L"HRESULT");
    // After IDispatch's seven functions, one slot each, in table order: the dual vtable. The
    // reader gives the offsets in the reading process's pointer size, whatever the library's.
    EXPECT_EQ(static_cast<std::size_t>(function->oVft), (7 + i) * sizeof(void*));
    EXPECT_EQ(function->wFuncFlags, ExpectedFunctionFlags(member));

    std::vector<std::wstring> types;
    std::vector<USHORT> flags;
    for (SHORT p = 0; p < function->cParams; ++p) {
      types.push_back(TypeText(vtable.get(), function->lprgelemdescParam[p].tdesc));
      flags.push_back(function->lprgelemdescParam[p].paramdesc.wParamFlags);
    }
    const std::wstring value = ExpectedType(member.type, member.enumeration);
    switch (expected[i].invoke) {
      case INVOKE_PROPERTYGET:
        EXPECT_EQ(types, std::vector<std::wstring>{value + L"*"});
        EXPECT_EQ(flags, std::vector<USHORT>{PARAMFLAG_FOUT | PARAMFLAG_FRETVAL});
        break;
      case INVOKE_PROPERTYPUT:
      case INVOKE_PROPERTYPUTREF:
        EXPECT_EQ(types, std::vector<std::wstring>{value});
        EXPECT_EQ(flags, std::vector<USHORT>{PARAMFLAG_FIN});
        break;
      default: {
        std::vector<std::wstring> parameterTypes;
        for (const MethodParameter& parameter : member.parameters) {
          parameterTypes.push_back(ExpectedType(parameter.type, {}));
        }
        EXPECT_EQ(types, parameterTypes);
        EXPECT_EQ(flags, std::vector<USHORT>(member.parameters.size(), PARAMFLAG_FIN));
      }
    }

    std::vector<std::wstring> names{Narrow(member.name)};
    for (const MethodParameter& parameter : member.parameters)
      names.push_back(Narrow(parameter.name));
    EXPECT_EQ(NamesOf(vtable.get(), member.dispatchId), names);
    const Documentation documentation = DocumentationOf(vtable.get(), member.dispatchId);
    EXPECT_EQ(documentation.docString, member.helpString);
    EXPECT_EQ(documentation.helpContext, static_cast<DWORD>(member.helpContext));
    activex::Bstr helpString;
    ASSERT_EQ(
        described->GetDocumentation2(member.dispatchId, 0x0409, helpString.Put(), nullptr, nullptr),
        S_OK);
    EXPECT_EQ(helpString.view(), member.helpString);
    // Late binding finds each accessor by identifier and kind.
    UINT index = 0;
    ASSERT_EQ(described->GetFuncIndexOfMemId(member.dispatchId, expected[i].invoke, &index), S_OK);
    EXPECT_EQ(index, i);
  }
}

TEST_P(EmbeddedTypeLibrary, LateBindingFindsEveryMemberByNameInAnyCase) {
  ComPtr<ITypeInfo> dispatch = Type(L"_KovraDouble");
  ASSERT_TRUE(dispatch);
  for (const Member& member : Members()) {
    std::wstring capitals(member.name);
    for (wchar_t& c : capitals) c = static_cast<wchar_t>(::towupper(c));
    for (std::wstring name : {Narrow(member.name), capitals}) {
      MEMBERID id = 0;
      LPOLESTR asked = name.data();
      EXPECT_EQ(dispatch->GetIDsOfNames(&asked, 1, &id), S_OK) << testing::PrintToString(name);
      EXPECT_EQ(id, member.dispatchId) << testing::PrintToString(name);
    }
  }
}

TEST_P(EmbeddedTypeLibrary, EventsPassEveryArgumentByReference) {
  ComPtr<ITypeInfo> events = Type(L"__KovraDouble");
  ASSERT_TRUE(events);
  const TypeAttributes attributes(events.get());
  EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
  EXPECT_TRUE(::IsEqualGUID(attributes->guid, activex::kEventInterface.id));
  EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FHIDDEN);
  EXPECT_FALSE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
  // A dispinterface lists IUnknown's and IDispatch's functions first, restricted.
  constexpr std::size_t kInherited = 7;
  ASSERT_EQ(static_cast<std::size_t>(attributes->cFuncs), kInherited + Events().size());
  for (std::size_t i = 0; i < kInherited; ++i) {
    const FunctionDescription function(events.get(), static_cast<UINT>(i));
    EXPECT_TRUE(function->wFuncFlags & FUNCFLAG_FRESTRICTED)
        << NamesOf(events.get(), function->memid)[0];
  }

  for (std::size_t i = 0; i < Events().size(); ++i) {
    const EventInfo& event = Events()[i];
    SCOPED_TRACE(testing::PrintToString(Narrow(event.name)));
    const FunctionDescription function(events.get(), static_cast<UINT>(kInherited + i));
    EXPECT_EQ(function->memid, event.dispatchId);
    EXPECT_EQ(function->funckind, FUNC_DISPATCH);
    EXPECT_EQ(function->invkind, INVOKE_FUNC);
    EXPECT_EQ(TypeText(events.get(), function->elemdescFunc.tdesc), L"void");
    std::vector<std::wstring> types, expectedTypes;
    std::vector<std::wstring> names{Narrow(event.name)};
    for (SHORT p = 0; p < function->cParams; ++p) {
      types.push_back(TypeText(events.get(), function->lprgelemdescParam[p].tdesc));
      EXPECT_EQ(function->lprgelemdescParam[p].paramdesc.wParamFlags,
                PARAMFLAG_FIN | PARAMFLAG_FOUT);
    }
    for (const EventArgumentInfo& argument : event.arguments) {
      expectedTypes.push_back(ExpectedType(argument.type, {}) + L"*");
      names.push_back(Narrow(argument.name));
    }
    EXPECT_EQ(types, expectedTypes);
    EXPECT_EQ(NamesOf(events.get(), event.dispatchId), names);
  }
}

TEST_P(EmbeddedTypeLibrary, EnumerationsKeepTheirMembersNamesAndTextsExactly) {
  for (const Enumeration& enumeration : Enumerations()) {
    SCOPED_TRACE(testing::PrintToString(Narrow(enumeration.name)));
    ComPtr<ITypeInfo> type = Type(enumeration.name);
    ASSERT_TRUE(type);
    const TypeAttributes attributes(type.get());
    EXPECT_EQ(attributes->typekind, TKIND_ENUM);
    ASSERT_EQ(static_cast<std::size_t>(attributes->cVars), enumeration.members.size());
    for (std::size_t i = 0; i < enumeration.members.size(); ++i) {
      const EnumMember& member = enumeration.members[i];
      const VariableDescription variable(type.get(), static_cast<UINT>(i));
      EXPECT_EQ(variable->varkind, VAR_CONST);
      ASSERT_NE(variable->lpvarValue, nullptr);
      activex::ComVariant value;
      ASSERT_EQ(::VariantChangeType(value.Put(), variable->lpvarValue, 0, VT_I4), S_OK);
      EXPECT_EQ(value.get().lVal, member.value);
      // Names with blanks ("All Text"), the same name in several enumerations ("None"), and
      // texts with trailing blanks ("None    ") all come back as written.
      EXPECT_EQ(NamesOf(type.get(), variable->memid),
                std::vector<std::wstring>{Narrow(member.name)});
      EXPECT_EQ(DocumentationOf(type.get(), variable->memid).docString, member.description);
    }
  }
}

TEST_P(EmbeddedTypeLibrary, ControlClassIsAControlWithItsInterfaceAndEventSource) {
  ComPtr<ITypeInfo> type = Type(L"KovraDouble");
  ASSERT_TRUE(type);
  const TypeAttributes attributes(type.get());
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_TRUE(::IsEqualGUID(attributes->guid, activex::kControlClass.id));
  constexpr WORD kPromised = TYPEFLAG_FCONTROL | TYPEFLAG_FCANCREATE;
  EXPECT_EQ(attributes->wTypeFlags & kPromised, kPromised);
  ASSERT_EQ(attributes->cImplTypes, 2);

  const std::wstring names[] = {L"Kovra_Double._KovraDouble", L"Kovra_Double.__KovraDouble"};
  const INT flags[] = {IMPLTYPEFLAG_FDEFAULT, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE};
  for (UINT i = 0; i < 2; ++i) {
    HREFTYPE reference = 0;
    ASSERT_EQ(type->GetRefTypeOfImplType(i, &reference), S_OK);
    EXPECT_EQ(ReferenceText(type.get(), reference), names[i]);
    INT implementation = 0;
    ASSERT_EQ(type->GetImplTypeFlags(i, &implementation), S_OK);
    EXPECT_EQ(implementation, flags[i]);
  }
}

TEST_P(EmbeddedTypeLibrary, PageClassesHaveEmptyDefaultInterfaces) {
  for (const activex::PageIdentity& page : activex::kPages) {
    SCOPED_TRACE(testing::PrintToString(Narrow(page.pageClass.name)));
    ComPtr<ITypeInfo> type = Type(page.pageClass.name);
    ASSERT_TRUE(type);
    const TypeAttributes attributes(type.get());
    EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
    EXPECT_TRUE(::IsEqualGUID(attributes->guid, page.pageClass.id));
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FCANCREATE);
    EXPECT_FALSE(attributes->wTypeFlags & TYPEFLAG_FCONTROL);
    ASSERT_EQ(attributes->cImplTypes, 1);
    HREFTYPE reference = 0;
    ASSERT_EQ(type->GetRefTypeOfImplType(0, &reference), S_OK);
    ComPtr<ITypeInfo> defaultInterface;
    ASSERT_EQ(type->GetRefTypeInfo(reference, defaultInterface.Put()), S_OK);
    EXPECT_EQ(DocumentationOf(defaultInterface.get(), MEMBERID_NIL).name, page.pageInterface.name);
    ComPtr<ITypeInfo> vtable = VtableHalf(defaultInterface.get());
    ASSERT_TRUE(vtable);
    const TypeAttributes interfaceAttributes(vtable.get());
    EXPECT_TRUE(::IsEqualGUID(interfaceAttributes->guid, page.pageInterface.id));
    EXPECT_TRUE(interfaceAttributes->wTypeFlags & TYPEFLAG_FDUAL);
    EXPECT_EQ(interfaceAttributes->cFuncs, 0);
  }
}

TEST_P(EmbeddedTypeLibrary, DataObjectIsADualInterfaceOfThisLibrary) {
  ComPtr<ITypeInfo> dataObject = Type(L"DataObject");
  ASSERT_TRUE(dataObject);
  ComPtr<ITypeInfo> vtable = VtableHalf(dataObject.get());
  ASSERT_TRUE(vtable);
  const TypeAttributes attributes(vtable.get());
  EXPECT_TRUE(::IsEqualGUID(attributes->guid, activex::kDataObjectInterface.id));
  EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
}

INSTANTIATE_TEST_SUITE_P(Builds, EmbeddedTypeLibrary,
                         ::testing::Values(LibraryBuild{"Win64", true},
                                           LibraryBuild{"Win32", false}),
                         [](const auto& build) { return std::string(build.param.name); });

}  // namespace
}  // namespace kovra::ocx_test
