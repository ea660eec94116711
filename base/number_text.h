// Number texts: the format masks, formatting a number with a mask, the locale number parser
// and the general numeric text of a Double. Pure functions of their arguments; the locale
// enters only through the two separators.
#pragma once

#include <string>
#include <string_view>

namespace kovra {

// The locale's separators, as the locale probe captured them.
struct Separators {
  wchar_t decimal = L'.';
  wchar_t group = L',';
};

// A format mask of the forms "0", "0.", "0.00…", "#,##0", "#,##0.00…".
struct NumberMask {
  bool grouped = false;  // "#,##0": group separators between each three integer digits
  bool point = false;    // a decimal separator follows the integer part ("0." has one, "0" not)
  int decimals = 0;      // count of "0" after the point

  // The mask as written ("#,##0.00").
  std::wstring Text() const;
  friend bool operator==(const NumberMask&, const NumberMask&) = default;
};

// "0" when `decimalPlaces` < 1, else "0." followed by that many zeros.
NumberMask EditMask(int decimalPlaces);
// As EditMask, with "#,##0" in front when `useSeparator`.
NumberMask DisplayMask(int decimalPlaces, bool useSeparator);

// Formats `value` with `mask`: rounded half away from zero on its 15-significant-digit decimal
// form, at least one integer digit, exactly mask.decimals decimals, a leading "-" for every
// negative value (also one that rounds to zero: "-0.00"); negative zero is zero and has no
// sign ("0.00"), as in the general text. Linear in the length of the result.
std::wstring FormatNumber(double value, const NumberMask& mask, const Separators& separators);

// Formats a text: a number is parsed and formatted; a text that is not a number comes back
// unchanged (the empty text gives the empty text).
std::wstring FormatText(std::wstring_view text, const NumberMask& mask,
                        const Separators& separators);

// The locale number parser: blanks around the number are ignored, one leading "-" or "+",
// group separators between digits are ignored, the decimal separator marks the fraction, and an
// exponent ("1E+15") may follow. Throws ControlError(TypeMismatch) for anything else, including
// the empty text, and ControlError(Overflow) for a magnitude beyond the Double range.
double ParseNumber(std::wstring_view text, const Separators& separators);

// As ParseNumber, without throwing: false when the text is not a number.
bool TryParseNumber(std::wstring_view text, const Separators& separators, double& value);

// The general numeric text of a Double: at most 15 significant digits, no grouping, no trailing
// zeros or separator, exponent form (1E+15, 1.5E-05) for magnitudes of 1E+15 and above or
// below 1E-04. Zero of either sign is "0".
std::wstring GeneralNumberText(double value, wchar_t decimalSeparator);

// `value` as a plain decimal text with "." for the point and no exponent, at 15 significant
// digits: the form the platform number formatter takes ("1234.45", "-0.00001").
std::string PlainDecimalText(double value);

}  // namespace kovra
