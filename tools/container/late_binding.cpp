#include "tools/container/late_binding.h"

#include "tools/script_words.h"

namespace kovra::container {

CLSID ClassNamed(const std::wstring& name) {
  CLSID id{};
  std::wstring copy = name;
  if (FAILED(name.starts_with(L"{") ? ::CLSIDFromString(copy.data(), &id)
                                    : ::CLSIDFromProgID(copy.c_str(), &id))) {
    throw tools::ScriptError("unknown class");
  }
  return id;
}

HRESULT InvokeByName(IDispatch* object, const std::wstring& name, WORD flags, VARIANT* argument,
                     VARIANT* result, EXCEPINFO* exception) {
  std::wstring copy = name;
  LPOLESTR names[] = {copy.data()};
  DISPID id = DISPID_UNKNOWN;
  if (const HRESULT found = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
      FAILED(found)) {
    return found;
  }
  DISPID put = DISPID_PROPERTYPUT;
  const bool named = argument != nullptr && flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS parameters{argument, named ? &put : nullptr, argument != nullptr ? 1u : 0u,
                        named ? 1u : 0u};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters, result, exception,
                        nullptr);
}

activex::ComVariant TextArgument(const std::wstring& text) {
  activex::ComVariant value;
  VARIANT* v = value.Put();
  if (text == L"True" || text == L"False") {
    v->vt = VT_BOOL;
    v->boolVal = text == L"True" ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    v->vt = VT_BSTR;
    v->bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  }
  return value;
}

std::wstring TextOf(const VARIANT& value) {
  activex::ComVariant text;
  if (FAILED(::VariantChangeType(text.Put(), const_cast<VARIANT*>(&value), 0, VT_BSTR))) {
    return L"?";
  }
  return std::wstring(text.get().bstrVal, ::SysStringLen(text.get().bstrVal));
}

}  // namespace kovra::container
