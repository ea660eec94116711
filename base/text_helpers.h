// Small text tests the editing rules speak in: blanks trimmed, 1-based positions as the rules
// count them, digits. A returned view looks into its argument and lives no longer than it; a
// temporary string is refused at compile time, since a view of it would dangle as soon as the
// statement ends.
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

// The 1-based position of the first `c` in `s`; 0 when there is none.
inline int Position(std::wstring_view s, wchar_t c) {
  const auto p = s.find(c);
  return p == std::wstring_view::npos ? 0 : static_cast<int>(p) + 1;
}

// The `n`th character of `s`, counted from 1; 0 past the end.
inline wchar_t At(std::wstring_view s, int n) {
  return n >= 1 && n <= static_cast<int>(s.size()) ? s[static_cast<std::size_t>(n - 1)] : 0;
}

inline bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

inline int Length(std::wstring_view s) { return static_cast<int>(s.size()); }

}  // namespace kovra::text
