// The user's regional number format, as the platform's own number formatter applies it.
#pragma once

#include <string>
#include <string_view>

#include "base/number_text.h"

namespace kovra {

class Locale {
 public:
  virtual ~Locale() = default;
  // Formats `number` (digits with "." as the decimal point and an optional leading "-") with
  // exactly `decimals` decimals, a leading zero and the locale's digit grouping and separators,
  // as the platform formatter does. Throws ControlError when the platform refuses.
  virtual std::wstring FormatNumber(std::wstring_view number, int decimals) const = 0;
};

// The separators the locale's formatter writes, read from 1234.45 with two decimals: the sixth
// character is the decimal separator and the second the group separator ("1,234.45",
// "1.234,45"). Falls back to "." and "," when the answer is shorter.
inline Separators ProbeSeparators(const Locale& locale) {
  Separators separators;
  const std::wstring probe = locale.FormatNumber(L"1234.45", 2);
  if (probe.size() >= 6) {
    separators.decimal = probe[5];
    separators.group = probe[1];
  }
  return separators;
}

}  // namespace kovra
