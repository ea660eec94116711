// Type descriptions for the type library writer: a TYPEDESC chain that owns its links, and the
// description of each value type of the core's tables as a type being written refers to it.
#pragma once

#include <oaidl.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "activex/com_ptr.h"
#include "core/member_table.h"

namespace kovra::activex {

// A TYPEDESC with any number of pointer levels; moving it keeps the links valid.
class TypeDescription {
 public:
  // A base type such as VT_BSTR.
  explicit TypeDescription(VARTYPE base);
  // A type defined in a type library, by its reference from the type being written.
  static TypeDescription UserDefined(HREFTYPE reference);

  // Makes this a pointer to what it described.
  TypeDescription& AddPointer();

  const TYPEDESC& get() const { return *links_.back(); }

 private:
  std::vector<std::unique_ptr<TYPEDESC>> links_;  // innermost first
};

// The types a value of the core's tables can have, and where each comes from: the automation
// types, the standard OLE library (OLE_COLOR, Font, Picture), and this library's own
// enumerations and DataObject.
class TypeReferences {
 public:
  // Loads the standard OLE library. Throws ComError when it cannot.
  TypeReferences();

  // Types of this library, once written, by name.
  void Add(std::wstring_view name, ComPtr<ITypeInfo> type);
  ITypeInfo* Own(std::wstring_view name) const;

  // IDispatch, the base of the dual interfaces.
  ITypeInfo* Dispatch() const { return dispatch_.get(); }

  // A value of `type` (named `enumeration` when it is one) as `writing` refers to it. Objects
  // are described as pointers to their interface.
  TypeDescription Describe(ICreateTypeInfo* writing, ValueType type,
                           std::wstring_view enumeration) const;

 private:
  ComPtr<ITypeInfo> dispatch_;
  ComPtr<ITypeInfo> color_;
  ComPtr<ITypeInfo> font_;
  ComPtr<ITypeInfo> picture_;
  std::map<std::wstring, ComPtr<ITypeInfo>, std::less<>> own_;
};

// The reference from `writing` to `type`. Throws ComError.
HREFTYPE ReferenceTo(ICreateTypeInfo* writing, ITypeInfo* type);

}  // namespace kovra::activex
