// The user's regional number format, as the platform's own number formatter applies it.
#pragma once

#include <string>
#include <string_view>

namespace kovra {

class Locale {
 public:
  virtual ~Locale() = default;
  // Formats `number` (digits with "." as the decimal point and an optional leading "-") with
  // exactly `decimals` decimals, a leading zero and the locale's digit grouping and separators,
  // as the platform formatter does. Throws ControlError when the platform refuses.
  virtual std::wstring FormatNumber(std::wstring_view number, int decimals) const = 0;
};

}  // namespace kovra
