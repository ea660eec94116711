// The coercions an Automation client expects between the values that travel through late
// binding and the property bag: a text "3" into a 16-bit property, 70000 into one
// overflows, "abc" is a type mismatch, numbers in texts use the locale's decimal separator.
#pragma once

#include <cstdint>
#include <string>

#include "base/number_text.h"
#include "base/variant.h"

namespace kovra {

// Each throws ControlError: TypeMismatch for a value of the wrong kind or a text that is not a
// number, Overflow for a number outside the target's range. Whole-number targets round half to
// even, as Automation does. Empty converts to 0, False or the empty text.
std::int16_t ToInt16(const Variant& value, const Separators& separators);
std::int32_t ToInt32(const Variant& value, const Separators& separators);
// An OLE colour: any 32-bit pattern, so 0x80000005 and -2147483643 are the same colour.
std::uint32_t ToColor(const Variant& value, const Separators& separators);
float ToSingle(const Variant& value, const Separators& separators);
double ToDouble(const Variant& value, const Separators& separators);
// Automation Booleans: any non-zero number is True; texts "True" and "False" in any case.
Boolean16 ToBoolean(const Variant& value, const Separators& separators);
// Numbers as their general numeric text with the locale's separator; Booleans "True"/"False".
std::wstring ToText(const Variant& value, const Separators& separators);
FontRef ToFont(const Variant& value);
PictureRef ToPicture(const Variant& value);

// A readable form for logs and the driver: 12, 1.5, "text", True, (font Tahoma 8.25), (empty).
std::wstring Describe(const Variant& value);

}  // namespace kovra
