// The separator sets the locale-dependent number-text tables run under, with their names.
#pragma once

#include "base/number_text.h"

namespace kovra::test {

struct NamedSeparators {
  const char* name;
  Separators separators;
};

inline constexpr Separators kEnUs{L'.', L','};

// The separator sets every locale-dependent table runs under: the usual ones, one whose group
// separator is a no-break space, one with an apostrophe, and a made-up one with a middle dot for
// decimals and a plain blank for groups (a blank that the parser also trims at the ends).
inline constexpr NamedSeparators kLocales[] = {
    {"en-US", {L'.', L','}},  {"de-DE", {L',', L'.'}},        {"fr-FR", {L',', L'\u00A0'}},
    {"de-CH", {L'.', L'\''}}, {"x-kovra", {L'\u00B7', L' '}},
};

}  // namespace kovra::test
