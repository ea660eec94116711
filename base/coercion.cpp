#include "base/coercion.h"

#include <cmath>
#include <limits>

#include "base/control_error.h"
#include "base/visit_helpers.h"

namespace kovra {

namespace {

[[noreturn]] void Mismatch() { throw ControlError(ErrorCode::TypeMismatch); }

// Any numeric kind as a Double; texts through the locale number parser.
double Numeric(const Variant& value, const Separators& separators) {
  return std::visit(Overloaded{
                        [](std::monostate) { return 0.0; },
                        [](bool b) { return b ? -1.0 : 0.0; },
                        [](std::int16_t v) { return static_cast<double>(v); },
                        [](std::int32_t v) { return static_cast<double>(v); },
                        [](float v) { return static_cast<double>(v); },
                        [](double v) { return v; },
                        [&](const std::wstring& s) {
                          if (EqualsIgnoringCase(s, L"True")) return -1.0;
                          if (EqualsIgnoringCase(s, L"False")) return 0.0;
                          return ParseNumber(s, separators);
                        },
                        [](const FontRef&) -> double { Mismatch(); },
                        [](const PictureRef&) -> double { Mismatch(); },
                    },
                    value);
}

template <class Int>
Int WholeNumber(const Variant& value, const Separators& separators) {
  const double rounded = std::nearbyint(Numeric(value, separators));  // half to even
  if (std::isnan(rounded) || rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    throw ControlError(ErrorCode::Overflow);
  }
  return static_cast<Int>(rounded);
}

}  // namespace

std::int16_t ToInt16(const Variant& value, const Separators& separators) {
  return WholeNumber<std::int16_t>(value, separators);
}

std::int32_t ToInt32(const Variant& value, const Separators& separators) {
  return WholeNumber<std::int32_t>(value, separators);
}

std::uint32_t ToColor(const Variant& value, const Separators& separators) {
  const double rounded = std::nearbyint(Numeric(value, separators));
  if (std::isnan(rounded) || rounded < -2147483648.0 || rounded > 4294967295.0) {
    throw ControlError(ErrorCode::Overflow);
  }
  return rounded < 0 ? static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded))
                     : static_cast<std::uint32_t>(rounded);
}

float ToSingle(const Variant& value, const Separators& separators) {
  const double number = Numeric(value, separators);
  if (std::isfinite(number) && std::fabs(number) > std::numeric_limits<float>::max()) {
    throw ControlError(ErrorCode::Overflow);
  }
  return static_cast<float>(number);
}

double ToDouble(const Variant& value, const Separators& separators) {
  return Numeric(value, separators);
}

Boolean16 ToBoolean(const Variant& value, const Separators& separators) {
  return ToBoolean16(Numeric(value, separators) != 0);
}

std::wstring ToText(const Variant& value, const Separators& separators) {
  return std::visit(Overloaded{
                        [](std::monostate) { return std::wstring(); },
                        [](bool b) { return std::wstring(b ? L"True" : L"False"); },
                        [](const std::wstring& s) { return s; },
                        [](const FontRef&) -> std::wstring { Mismatch(); },
                        [](const PictureRef&) -> std::wstring { Mismatch(); },
                        [&](auto number) {
                          return GeneralNumberText(static_cast<double>(number), separators.decimal);
                        },
                    },
                    value);
}

FontRef ToFont(const Variant& value) {
  if (const auto* font = std::get_if<FontRef>(&value)) return *font;
  if (std::holds_alternative<std::monostate>(value)) return nullptr;
  Mismatch();
}

PictureRef ToPicture(const Variant& value) {
  if (const auto* picture = std::get_if<PictureRef>(&value)) return *picture;
  if (std::holds_alternative<std::monostate>(value)) return nullptr;
  Mismatch();
}

std::wstring Describe(const Variant& value) {
  const Separators plain{L'.', L','};
  return std::visit(
      Overloaded{
          [](std::monostate) { return std::wstring(L"(empty)"); },
          [](bool b) { return std::wstring(b ? L"True" : L"False"); },
          [](const std::wstring& s) { return L"\"" + s + L"\""; },
          [&](const FontRef& f) {
            if (!f) return std::wstring(L"(no font)");
            return L"(font " + f->name + L" " + GeneralNumberText(f->size, L'.') + L")";
          },
          [](const PictureRef& p) {
            return p ? L"(picture " + p->description + L")" : std::wstring(L"(no picture)");
          },
          [&](auto number) {
            return GeneralNumberText(static_cast<double>(number), plain.decimal);
          },
      },
      value);
}

}  // namespace kovra
