// Reading a type library back for the tests: types by name, function and variable descriptions
// held for their scope, and type descriptions written out as text ("stdole.Font*").
#pragma once

#include <oaidl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "activex/com_ptr.h"

namespace kovra::ocx_test {

using activex::ComPtr;

// The library embedded in a library file, loaded without registering it.
ComPtr<ITypeLib> LoadEmbeddedLibrary(const std::wstring& file);

// The type called `name` in `library`; empty when there is none.
ComPtr<ITypeInfo> TypeNamed(ITypeLib* library, const std::wstring& name);

// For a dual interface, its vtable half (the library hands out the dispatch half by name).
ComPtr<ITypeInfo> VtableHalf(ITypeInfo* dual);

// A type as text: "short", "BSTR", "VARIANT_BOOL", "stdole.OLE_COLOR",
// "Kovra_Double.TypeAppearance", a pointer with a trailing "*". Referenced types are named by
// library and type.
std::wstring TypeText(ITypeInfo* owner, const TYPEDESC& type);
// A type that `owner` refers to, named by library and type: "stdole.IDispatch".
std::wstring ReferenceText(ITypeInfo* owner, HREFTYPE reference);

// The name and documentation that GetDocumentation gives for a member (MEMBERID_NIL: the type).
struct Documentation {
  std::wstring name;
  std::wstring docString;
  DWORD helpContext = 0;
  std::wstring helpFile;
};
Documentation DocumentationOf(ITypeInfo* type, MEMBERID member);

// The names GetNames gives for a member: its own, then its parameters'.
std::vector<std::wstring> NamesOf(ITypeInfo* type, MEMBERID member);

// A description that a type hands out (GetTypeAttr, GetFuncDesc, GetVarDesc) and takes back
// when its holder goes. Throws std::runtime_error when the type has none to give.
template <typename Description, auto Get, auto Release>
class HeldDescription {
 public:
  template <typename... Index>
  explicit HeldDescription(ITypeInfo* type, Index... index) : type_(type) {
    if (FAILED((type->*Get)(index..., &description_))) {
      throw std::runtime_error("the type gives no such description");
    }
  }
  ~HeldDescription() { (type_->*Release)(description_); }
  HeldDescription(const HeldDescription&) = delete;
  HeldDescription& operator=(const HeldDescription&) = delete;
  const Description* operator->() const { return description_; }

 private:
  ITypeInfo* type_;
  Description* description_ = nullptr;
};

using TypeAttributes =
    HeldDescription<TYPEATTR, &ITypeInfo::GetTypeAttr, &ITypeInfo::ReleaseTypeAttr>;
using FunctionDescription =
    HeldDescription<FUNCDESC, &ITypeInfo::GetFuncDesc, &ITypeInfo::ReleaseFuncDesc>;
using VariableDescription =
    HeldDescription<VARDESC, &ITypeInfo::GetVarDesc, &ITypeInfo::ReleaseVarDesc>;

}  // namespace kovra::ocx_test
