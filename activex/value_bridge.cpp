#include "activex/value_bridge.h"

#include <oleauto.h>

#include <cstdint>
#include <string>

#include "activex/com_error.h"
#include "activex/com_values.h"
#include "activex/standard_objects.h"
#include "base/control_error.h"
#include "base/visit_helpers.h"

namespace kovra::activex {
namespace {

// How many references and default values deep a value may hide before it is refused.
constexpr int kMaxIndirections = 4;

[[noreturn]] void Mismatch() { throw ComError(DISP_E_TYPEMISMATCH); }

bool IsObject(ValueType type) {
  return type == ValueType::Font || type == ValueType::Picture || type == ValueType::DataObject;
}

// A number of an Automation type the core does not know, as a Double in the user's locale.
double AsDouble(const VARIANT& in) {
  ComVariant converted;
  if (FAILED(::VariantChangeTypeEx(converted.Put(), const_cast<VARIANT*>(&in), LOCALE_USER_DEFAULT,
                                   0, VT_R8))) {
    Mismatch();
  }
  return converted.get().dblVal;
}

Variant Read(const VARIANT& in, ValueType type, FontLink& fonts, int depth);

// An object sent to a property: a font or picture object for those, and otherwise the value
// of its default member, as Automation reads an object where a value is wanted.
Variant ObjectValue(IUnknown* object, ValueType type, FontLink& fonts, int depth) {
  switch (type) {
    case ValueType::Font:
      if (object == nullptr) throw ControlError(ErrorCode::InvalidPropertyValue);
      return fonts.FontFor(object);
    case ValueType::Picture:
      return object != nullptr ? PictureFrom(object) : PictureRef();
    default:
      break;
  }
  ComPtr<IDispatch> dispatch;
  if (object == nullptr || depth >= kMaxIndirections ||
      FAILED(object->QueryInterface(IID_IDispatch, dispatch.PutVoid()))) {
    Mismatch();
  }
  DISPPARAMS none{};
  ComVariant result;
  if (FAILED(dispatch->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                              &none, result.Put(), nullptr, nullptr))) {
    Mismatch();
  }
  return Read(result.get(), type, fonts, depth + 1);
}

Variant Read(const VARIANT& in, ValueType type, FontLink& fonts, int depth) {
  if (depth > kMaxIndirections) Mismatch();
  const VARTYPE base = in.vt & VT_TYPEMASK;
  const bool byReference = (in.vt & VT_BYREF) != 0;
  if ((in.vt & ~(VT_BYREF | VT_TYPEMASK)) != 0) Mismatch();  // arrays, vectors, reserved bits
  if (byReference && in.byref == nullptr) Mismatch();
  // The value itself: behind the reference, or in the VARIANT's union.
  const void* data = byReference ? in.byref : static_cast<const void*>(&in.llVal);
  const auto at = [data]<typename T>() { return *static_cast<const T*>(data); };

  if (base == VT_VARIANT) {
    if (!byReference) Mismatch();
    return Read(*static_cast<const VARIANT*>(data), type, fonts, depth + 1);
  }
  if (base == VT_DISPATCH || base == VT_UNKNOWN) {
    return ObjectValue(at.operator()<IUnknown*>(), type, fonts, depth);
  }
  if (IsObject(type)) {
    if (base == VT_EMPTY && !byReference) return ObjectValue(nullptr, type, fonts, depth);
    Mismatch();
  }
  switch (base) {
    case VT_EMPTY:
      if (byReference) Mismatch();
      return std::monostate{};
    case VT_BOOL:
      return at.operator()<VARIANT_BOOL>() != VARIANT_FALSE;
    case VT_I2:
      return static_cast<std::int16_t>(at.operator()<SHORT>());
    case VT_I4:
    case VT_INT:
      return static_cast<std::int32_t>(at.operator()<LONG>());
    case VT_R4:
      return static_cast<float>(at.operator()<FLOAT>());
    case VT_R8:
      return static_cast<double>(at.operator()<DOUBLE>());
    case VT_BSTR: {
      const BSTR text = at.operator()<BSTR>();
      return text != nullptr ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    }
    case VT_I1:
      return static_cast<std::int16_t>(at.operator()<CHAR>());
    case VT_UI1:
      return static_cast<std::int16_t>(at.operator()<BYTE>());
    case VT_UI2:
      return static_cast<std::int32_t>(at.operator()<USHORT>());
    case VT_UI4:
    case VT_UINT:
      return static_cast<double>(at.operator()<ULONG>());
    case VT_I8:
      return static_cast<double>(at.operator()<LONGLONG>());
    case VT_UI8:
      return static_cast<double>(at.operator()<ULONGLONG>());
    case VT_DATE:
      return static_cast<double>(at.operator()<DATE>());
    case VT_CY: {
      VARIANT currency;
      ::VariantInit(&currency);
      currency.vt = VT_CY;
      currency.cyVal = at.operator()<CY>();
      return AsDouble(currency);
    }
    case VT_DECIMAL: {
      // A decimal fills the whole VARIANT, its type field included.
      VARIANT decimal;
      decimal.decVal = byReference ? *in.pdecVal : in.decVal;
      decimal.vt = VT_DECIMAL;
      return AsDouble(decimal);
    }
    default:  // Null, errors, records and anything Automation does not define
      Mismatch();
  }
}

}  // namespace

Variant ArgumentValue(const VARIANT& in, ValueType type, FontLink& fonts) {
  return Read(in, type, fonts, 0);
}

void ResultValue(const Variant& value, VARIANT* out, FontLink& fonts) {
  ComVariant result;
  VARIANT* slot = result.Put();
  std::visit(Overloaded{
                 [&](std::monostate) { slot->vt = VT_EMPTY; },
                 [&](bool b) {
                   slot->vt = VT_BOOL;
                   slot->boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
                 },
                 [&](std::int16_t v) {
                   slot->vt = VT_I2;
                   slot->iVal = v;
                 },
                 [&](std::int32_t v) {
                   slot->vt = VT_I4;
                   slot->lVal = v;
                 },
                 [&](float v) {
                   slot->vt = VT_R4;
                   slot->fltVal = v;
                 },
                 [&](double v) {
                   slot->vt = VT_R8;
                   slot->dblVal = v;
                 },
                 [&](const std::wstring& text) {
                   slot->bstrVal = Bstr(text).Detach();
                   slot->vt = VT_BSTR;
                 },
                 [&](const FontRef& font) {
                   slot->pdispVal = fonts.ObjectFor(font).Detach();
                   slot->vt = VT_DISPATCH;
                 },
                 [&](const PictureRef& picture) {
                   slot->pdispVal = PictureObject(picture).Detach();
                   slot->vt = VT_DISPATCH;
                 },
             },
             value);
  result.Detach(out);
}

}  // namespace kovra::activex
