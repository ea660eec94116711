#include "activex/dispatch_page_target.h"

#include <string>

#include "activex/com_values.h"
#include "base/control_error.h"

namespace kovra::activex {

namespace {

// The control error that an object's failed Invoke stands for.
[[noreturn]] void ThrowFailure(HRESULT result, const EXCEPINFO& exception) {
  HRESULT reported = result;
  if (result == DISP_E_EXCEPTION) {
    reported =
        exception.scode != 0 ? exception.scode : ControlResult(static_cast<int>(exception.wCode));
  }
  ::SysFreeString(exception.bstrSource);
  ::SysFreeString(exception.bstrDescription);
  ::SysFreeString(exception.bstrHelpFile);
  if (HRESULT_FACILITY(reported) == FACILITY_CONTROL) {
    throw ControlError(static_cast<ErrorCode>(HRESULT_CODE(reported)));
  }
  if (reported == DISP_E_OVERFLOW) throw ControlError(ErrorCode::Overflow);
  if (reported == DISP_E_MEMBERNOTFOUND || reported == DISP_E_UNKNOWNNAME) {
    throw ControlError(ErrorCode::NotSupported);
  }
  throw ControlError(ErrorCode::TypeMismatch);
}

Variant FromVariant(const VARIANT& in) {
  switch (in.vt) {
    case VT_EMPTY:
      return {};
    case VT_BOOL:
      return in.boolVal != VARIANT_FALSE;
    case VT_I2:
      return std::int16_t{in.iVal};
    case VT_I4:
      return std::int32_t{in.lVal};
    case VT_R4:
      return in.fltVal;
    case VT_R8:
      return in.dblVal;
    default: {
      // Any other kind of value is shown as the object writes it as a text.
      ComVariant text;
      // VariantChangeType only reads its source; older headers declare it non-constant.
      if (FAILED(::VariantChangeType(text.Put(), const_cast<VARIANT*>(&in), 0, VT_BSTR))) {
        throw ControlError(ErrorCode::TypeMismatch);
      }
      const BSTR b = text.get().bstrVal;
      return std::wstring(b != nullptr ? b : L"", b != nullptr ? ::SysStringLen(b) : 0);
    }
  }
}

ComVariant ToVariant(const Variant& value) {
  ComVariant out;
  VARIANT& v = *out.Put();
  if (const bool* flag = std::get_if<bool>(&value)) {
    v.vt = VT_BOOL;
    v.boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const std::int16_t* small = std::get_if<std::int16_t>(&value)) {
    v.vt = VT_I2;
    v.iVal = *small;
  } else if (const std::wstring* text = std::get_if<std::wstring>(&value)) {
    v.vt = VT_BSTR;
    v.bstrVal = Bstr(*text).Detach();
  } else {
    throw ControlError(ErrorCode::TypeMismatch);  // a page writes nothing else
  }
  return out;
}

}  // namespace

DISPID DispatchPageTarget::IdOf(std::wstring_view name) {
  std::wstring copy(name);
  LPOLESTR names[] = {copy.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
    throw ControlError(ErrorCode::NotSupported);
  }
  return id;
}

Variant DispatchPageTarget::GetProperty(std::wstring_view name) {
  DISPPARAMS none{};
  ComVariant result;
  EXCEPINFO exception{};
  const HRESULT got =
      object_->Invoke(IdOf(name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                      result.Put(), &exception, nullptr);
  if (FAILED(got)) ThrowFailure(got, exception);
  return FromVariant(result.get());
}

void DispatchPageTarget::PutProperty(std::wstring_view name, const Variant& value) {
  ComVariant argument = ToVariant(value);
  VARIANT arguments[] = {argument.get()};
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{arguments, &named, 1, 1};
  EXCEPINFO exception{};
  const HRESULT put =
      object_->Invoke(IdOf(name), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters,
                      nullptr, &exception, nullptr);
  if (FAILED(put)) ThrowFailure(put, exception);
}

}  // namespace kovra::activex
