// A control reached by names, as a late-bound client (a script) reaches it: its class by ProgID
// or class identifier, its members by name.
#pragma once

#include <oaidl.h>

#include <string>

#include "activex/com_values.h"

namespace kovra::container {

// The class named by a ProgID or by "{class id}"; throws tools::ScriptError for an unknown one.
CLSID ClassNamed(const std::wstring& name);

// Calls the member `name` of `object` (DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT or
// DISPATCH_METHOD) with at most one argument; `result` and `exception` may be null.
HRESULT InvokeByName(IDispatch* object, const std::wstring& name, WORD flags, VARIANT* argument,
                     VARIANT* result, EXCEPINFO* exception = nullptr);

// A script word as a script hands it over: True and False as Booleans, anything else as a text
// the control converts.
activex::ComVariant TextArgument(const std::wstring& text);

// The text of a value, as VariantChangeType writes it in the user's locale; "?" when it has
// none.
std::wstring TextOf(const VARIANT& value);

}  // namespace kovra::container
