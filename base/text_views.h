// Views into texts that the caller owns. Each returned view looks into its argument and lives no
// longer than it; a temporary string is refused at compile time, since a view of it would
// dangle as soon as the statement ends.
#pragma once

#include <string>
#include <string_view>

#include "base/lifetimebound.h"

namespace kovra::text {

// `s` without leading and trailing blanks.
inline std::wstring_view Trimmed(std::wstring_view s KOVRA_LIFETIMEBOUND) {
  const auto first = s.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return {};
  return s.substr(first, s.find_last_not_of(L' ') - first + 1);
}
std::wstring_view Trimmed(std::wstring&& s) = delete;

// Whether `s` holds nothing but blanks.
inline bool IsBlank(std::wstring_view s) {
  return s.find_first_not_of(L' ') == std::wstring_view::npos;
}

}  // namespace kovra::text
