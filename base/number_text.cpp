#include "base/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

#include "base/control_error.h"
#include "base/text_helpers.h"

namespace kovra {

namespace {

using text::IsDigit;

constexpr int kSignificantDigits = 15;

// A finite Double as at most 15 significant decimal digits: 0.d1d2… × 10^(exponent + 1).
struct DecimalDigits {
  char digits[kSignificantDigits + 1] = {};  // without trailing zeros; count 0 means zero
  int count = 0;
  int exponent = 0;  // of the first digit: 1234.5 has exponent 3
  bool negative = false;
};

DecimalDigits Decompose(double value) {
  DecimalDigits d;
  // Negative zero is zero, not a negative number: it carries no sign into any text.
  d.negative = value < 0;
  if (value == 0) return d;
  // "d.dddddddddddddde±XX": 15 digits correctly rounded from the binary value, then the
  // exponent with its sign and at least two digits.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  d.digits[0] = buffer[0];
  std::copy_n(buffer + 2, kSignificantDigits - 1, d.digits + 1);
  d.count = kSignificantDigits;
  const char* exponentSign = buffer + kSignificantDigits + 2;
  for (const char* p = exponentSign + 1; p != result.ptr; ++p)
    d.exponent = d.exponent * 10 + (*p - '0');
  if (*exponentSign == '-') d.exponent = -d.exponent;
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
  return d;
}

// Rounds half away from zero so that no digit is left below 10^-decimals.
void RoundToDecimals(DecimalDigits& d, int decimals) {
  const long kept = static_cast<long>(d.exponent) + 1 + decimals;  // digits that stay
  if (kept >= d.count) return;
  if (kept < 0) {
    d.count = 0;
    return;
  }
  const bool up = d.digits[kept] >= '5';
  d.count = static_cast<int>(kept);
  if (!up) {
    while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
    return;
  }
  int i = d.count - 1;
  while (i >= 0 && d.digits[i] == '9') --i;
  if (i < 0) {  // 9.99 → 10, or nothing kept: 0.005 → 0.01
    d.digits[0] = '1';
    d.count = 1;
    ++d.exponent;
    return;
  }
  ++d.digits[i];
  d.count = i + 1;
}

// The digit at decimal position `power` (0 = units, -1 = tenths, 2 = hundreds).
char DigitAt(const DecimalDigits& d, long power) {
  const long index = static_cast<long>(d.exponent) - power;
  return index >= 0 && index < d.count ? d.digits[index] : '0';
}

// Appends every digit of `d` without exponent and without trailing zeros ("1234.5", "0.001").
template <class Text>
void AppendPlain(const DecimalDigits& d, typename Text::value_type point, Text& text) {
  using Char = typename Text::value_type;
  for (long power = std::max(d.exponent, 0); power >= 0; --power) {
    text += static_cast<Char>(DigitAt(d, power));
  }
  const long lowest = static_cast<long>(d.exponent) - d.count + 1;  // power of the last digit
  if (lowest >= 0) return;
  text += point;
  for (long power = -1; power >= lowest; --power) text += static_cast<Char>(DigitAt(d, power));
}

enum class ParseResult { Number, NotANumber, Overflow };

// The power of ten just above the first significant digit of `mantissa` × 10^exponent
// (1 for "5", 0 for "0.5", -2 for "0.005"), for a mantissa of digits with at most one point.
long long Magnitude(std::string_view mantissa, long long exponent) {
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) {  // zero: counted as a fraction of zeros
    return exponent -
           static_cast<long long>(point < mantissa.size() ? mantissa.size() - point - 1 : 0);
  }
  if (first < point) return static_cast<long long>(point - first) + exponent;
  return exponent - static_cast<long long>(first - point - 1);
}

ParseResult Parse(std::wstring_view text, const Separators& separators, double& value) {
  const std::wstring_view s = text::Trimmed(text);
  const wchar_t decimal = separators.decimal;
  const wchar_t group = separators.group;
  // The same number in the form from_chars reads: ASCII, "." for the point, no "+" and no
  // group separators, so never longer than the text.
  std::string ascii(s.size(), '\0');
  char* out = ascii.data();
  std::size_t i = 0;
  if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) {
    if (s[i] == L'-') *out++ = '-';
    ++i;
  }
  const char* mantissaBegin = out;
  // The integer part, where a group separator may stand between two digits ...
  for (; i < s.size(); ++i) {
    const wchar_t c = s[i];
    if (IsDigit(c)) {
      *out++ = static_cast<char>(c);
    } else if (c != decimal && c == group && i > 0 && IsDigit(s[i - 1]) && i + 1 < s.size() &&
               IsDigit(s[i + 1])) {
      continue;
    } else {
      break;
    }
  }
  // ... then the decimal separator and the fraction.
  if (i < s.size() && s[i] == decimal) {
    *out++ = '.';
    for (++i; i < s.size() && IsDigit(s[i]); ++i) *out++ = static_cast<char>(s[i]);
  }
  const std::string_view mantissa(mantissaBegin, static_cast<std::size_t>(out - mantissaBegin));
  if (mantissa.empty() || mantissa == ".") return ParseResult::NotANumber;  // no digit
  // The written exponent only decides between overflow and underflow below, so it saturates;
  // the limit lies beyond any count of digits a text can hold and far inside 64 bits (long has
  // only 32 on Windows).
  constexpr long long kExponentLimit = 1LL << 40;
  long long exponent = 0;
  if (i < s.size() && (s[i] == L'E' || s[i] == L'e')) {
    *out++ = 'e';
    ++i;
    const bool negativeExponent = i < s.size() && s[i] == L'-';
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) *out++ = static_cast<char>(s[i++]);
    const std::size_t firstDigit = i;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      *out++ = static_cast<char>(s[i]);
      if (exponent < kExponentLimit) exponent = exponent * 10 + (s[i] - L'0');
    }
    if (i == firstDigit) return ParseResult::NotANumber;
    if (negativeExponent) exponent = -exponent;
  }
  if (i != s.size()) return ParseResult::NotANumber;
  const auto result = std::from_chars(ascii.data(), out, value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large a magnitude overflows; too small a one is zero.
    if (Magnitude(mantissa, exponent) > 0) return ParseResult::Overflow;
    value = ascii.front() == '-' ? -0.0 : 0.0;
    return ParseResult::Number;
  }
  if (result.ec != std::errc() || result.ptr != out) return ParseResult::NotANumber;
  return ParseResult::Number;
}

std::wstring NonFiniteText(double value) {
  if (std::isnan(value)) return L"NaN";
  return value < 0 ? L"-Infinity" : L"Infinity";
}

}  // namespace

std::wstring NumberMask::Text() const {
  std::wstring text = grouped ? L"#,##0" : L"0";
  if (point) text += L'.';
  text.append(static_cast<std::size_t>(std::max(decimals, 0)), L'0');
  return text;
}

NumberMask EditMask(int decimalPlaces) {
  if (decimalPlaces < 1) return {};
  return {.grouped = false, .point = true, .decimals = decimalPlaces};
}

NumberMask DisplayMask(int decimalPlaces, bool useSeparator) {
  NumberMask mask = EditMask(decimalPlaces);
  mask.grouped = useSeparator;
  return mask;
}

std::wstring FormatNumber(double value, const NumberMask& mask, const Separators& separators) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const int decimals = std::max(mask.decimals, 0);
  DecimalDigits d = Decompose(value);
  RoundToDecimals(d, decimals);

  // Every character's place is known before the first is written: the sign, the integer
  // digits with a group separator in front of each further three, the point, the decimals.
  const long integerDigits = d.count > 0 ? std::max(d.exponent + 1, 1) : 1;
  const long groupSeparators = mask.grouped ? (integerDigits - 1) / 3 : 0;
  const long length =
      (d.negative ? 1 : 0) + integerDigits + groupSeparators + (mask.point ? 1 : 0) + decimals;
  std::wstring text(static_cast<std::size_t>(length), L'0');
  wchar_t* out = text.data();
  if (d.negative) *out++ = L'-';
  for (long power = integerDigits - 1; power >= 0; --power) {
    *out++ = static_cast<wchar_t>(DigitAt(d, power));
    if (mask.grouped && power > 0 && power % 3 == 0) *out++ = separators.group;
  }
  if (mask.point) *out++ = separators.decimal;
  for (long power = -1; power >= -decimals; --power)
    *out++ = static_cast<wchar_t>(DigitAt(d, power));
  return text;
}

std::wstring FormatText(std::wstring_view text, const NumberMask& mask,
                        const Separators& separators) {
  double value = 0;
  if (!TryParseNumber(text, separators, value)) return std::wstring(text);
  return FormatNumber(value, mask, separators);
}

double ParseNumber(std::wstring_view text, const Separators& separators) {
  double value = 0;
  switch (Parse(text, separators, value)) {
    case ParseResult::Number:
      return value;
    case ParseResult::Overflow:
      throw ControlError(ErrorCode::Overflow);
    case ParseResult::NotANumber:
      break;
  }
  throw ControlError(ErrorCode::TypeMismatch);
}

bool TryParseNumber(std::wstring_view text, const Separators& separators, double& value) {
  double parsed = 0;
  if (Parse(text, separators, parsed) != ParseResult::Number) return false;
  value = parsed;
  return true;
}

std::wstring GeneralNumberText(double value, wchar_t decimalSeparator) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0) return L"0";
  const DecimalDigits d = Decompose(value);
  std::wstring text;
  if (d.negative) text += L'-';
  if (d.exponent >= kSignificantDigits || d.exponent < -4) {
    text += static_cast<wchar_t>(d.digits[0]);
    if (d.count > 1) {
      text += decimalSeparator;
      for (int i = 1; i < d.count; ++i) text += static_cast<wchar_t>(d.digits[i]);
    }
    text += d.exponent < 0 ? L"E-" : L"E+";
    const int magnitude = std::abs(d.exponent);
    if (magnitude < 10) text += L'0';
    text += std::to_wstring(magnitude);
    return text;
  }
  AppendPlain(d, decimalSeparator, text);
  return text;
}

std::string PlainDecimalText(double value) {
  const std::wstring wide = GeneralNumberText(value, L'.');
  if (wide.find(L'E') == std::wstring::npos) return {wide.begin(), wide.end()};
  // Spell the exponent out: the platform formatter takes digits and a point only.
  const DecimalDigits d = Decompose(value);
  std::string text = d.negative ? "-" : "";
  AppendPlain(d, '.', text);
  return text;
}

}  // namespace kovra
