// Small text tests the editing engine speaks in: blanks trimmed (base/text_views.h), 1-based
// positions as the rules count them, digits.
#pragma once

#include <string>
#include <string_view>

#include "base/text_views.h"

namespace kovra::text {

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
