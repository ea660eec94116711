// Number texts as behaviour tables: the two masks, rounding a number to the mask's decimals,
// grouping in the separators of each locale, what the locale number parser accepts and refuses,
// and the general numeric text that Value reads back. Expected texts are written in en-US form
// and localized where a table runs under every locale.
#include "base/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "base/control_error.h"
#include "tests/support/test_platform.h"

namespace kovra {
namespace {

using test::Localized;

struct NamedSeparators {
  const char* name;
  Separators separators;
};

const Separators kEnUs{L'.', L','};

// The separator sets every locale-dependent table runs under: the usual ones, one whose group
// separator is a no-break space, one with an apostrophe, and a made-up one with a middle dot for
// decimals and a plain blank for groups (a blank that the parser also trims at the ends).
const NamedSeparators kLocales[] = {
    {"en-US", {L'.', L','}},  {"de-DE", {L',', L'.'}},        {"fr-FR", {L',', L'\u00A0'}},
    {"de-CH", {L'.', L'\''}}, {"x-kovra", {L'\u00B7', L' '}},
};

std::wstring Edit(double value, int decimals, const Separators& separators = kEnUs) {
  return FormatNumber(value, EditMask(decimals), separators);
}

std::wstring Grouped(double value, int decimals, const Separators& separators = kEnUs) {
  return FormatNumber(value, DisplayMask(decimals, true), separators);
}

// The error a parse raises, or nullopt when it returns a number.
std::optional<ErrorCode> ParseError(std::wstring_view text, const Separators& separators) {
  try {
    (void)ParseNumber(text, separators);
  } catch (const ControlError& e) {
    return e.code();
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------------------------
// The masks

TEST(NumberMasks, EditAndDisplayMasksFollowDecimalPlacesAndUseSeparator) {
  struct Case {
    int decimalPlaces;
    const wchar_t* edit;
    const wchar_t* display;         // UseSeparator False
    const wchar_t* displayGrouped;  // UseSeparator True
  };
  const Case kCases[] = {
      {-5, L"0", L"0", L"#,##0"},  // anything below 1 is the integer mask
      {-1, L"0", L"0", L"#,##0"},
      {0, L"0", L"0", L"#,##0"},
      {1, L"0.0", L"0.0", L"#,##0.0"},
      {2, L"0.00", L"0.00", L"#,##0.00"},
      {5, L"0.00000", L"0.00000", L"#,##0.00000"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.decimalPlaces);
    EXPECT_EQ(EditMask(c.decimalPlaces).Text(), c.edit);
    EXPECT_EQ(DisplayMask(c.decimalPlaces, false).Text(), c.display);
    EXPECT_EQ(DisplayMask(c.decimalPlaces, true).Text(), c.displayGrouped);
    // Without separators the display mask is the edit mask itself.
    EXPECT_EQ(DisplayMask(c.decimalPlaces, false), EditMask(c.decimalPlaces));
  }
}

// ---------------------------------------------------------------------------------------------
// Rounding to the mask's decimals

TEST(FormatNumberRounding, HalfAwayFromZeroOnTheFifteenDigitDecimalForm) {
  struct Case {
    double value;
    int decimals;
    const wchar_t* text;
  };
  const Case kCases[] = {
      // The binary value lies below the tie; its 15-digit decimal form is the tie itself.
      {1.005, 2, L"1.01"},
      {2.675, 2, L"2.68"},
      {1.015, 2, L"1.02"},
      {8.345, 2, L"8.35"},
      {0.045, 2, L"0.05"},
      {1.0005, 3, L"1.001"},
      {1234.5675, 3, L"1234.568"},
      // Ties at the units, away from zero both ways.
      {0.5, 0, L"1"},
      {1.5, 0, L"2"},
      {2.5, 0, L"3"},
      {12.5, 0, L"13"},
      {-2.5, 0, L"-3"},
      {-12.5, 0, L"-13"},
      {0.49999999999999994, 0, L"1"},  // its 15-digit form is 0.5
      {0.4, 0, L"0"},
      // A carry runs through every nine and adds an integer digit.
      {0.005, 2, L"0.01"},
      {9.995, 2, L"10.00"},
      {99.995, 2, L"100.00"},
      {999999.5, 0, L"1000000"},
      {-9.995, 2, L"-10.00"},
      {999999999999999.5, 0, L"1000000000000000"},
      {999999999999999.5, 2, L"1000000000000000.00"},
      // Below half: cut.
      {0.004, 2, L"0.00"},
      {1.994, 2, L"1.99"},
      {1e-5, 4, L"0.0000"},
      {5e-5, 4, L"0.0001"},
      {1.5e-5, 5, L"0.00002"},
      // Fewer digits than the mask: filled with zeros; an integer part is always there.
      {0, 2, L"0.00"},
      {0.5, 2, L"0.50"},
      {7, 3, L"7.000"},
      {1234567.891, 2, L"1234567.89"},
      {-1234567.891, 2, L"-1234567.89"},
      // Digits beyond the fifteenth significant one are zeros, not the binary expansion.
      {0.1, 17, L"0.10000000000000000"},
      {1.0 / 3, 17, L"0.33333333333333300"},
      {2.0 / 3, 15, L"0.666666666666667"},
      {2.0 / 3, 14, L"0.66666666666667"},
      {123456789012345678.0, 0, L"123456789012346000"},
      {1e20, 0, L"100000000000000000000"},
      {1e15 + 0.25, 0, L"1000000000000000"},
      // A tie in the sixteenth significant digit of an exact binary value is settled while the
      // 15-digit form is made (to even), before the mask's rounding sees it.
      {1 + 0x1p-15, 14, L"1.00003051757812"},
      {1 + 0x1p-15, 13, L"1.0000305175781"},
      {100000000000000.5, 0, L"100000000000000"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals << " decimals");
    EXPECT_EQ(Edit(c.value, c.decimals), c.text);
  }
}

TEST(FormatNumberRounding, ANegativeNumberKeepsItsSignEvenWhenItRoundsToZero) {
  struct Case {
    double value;
    int decimals;
    const wchar_t* text;
  };
  const Case kCases[] = {
      {-0.001, 2, L"-0.00"},
      {-0.004, 2, L"-0.00"},
      {-0.005, 2, L"-0.01"},
      {-0.4, 0, L"-0"},
      {-1e-300, 2, L"-0.00"},
      {-5e-324, 2, L"-0.00"},
      {-0.0005, 3, L"-0.001"},
      // Negative zero is zero, not a negative number: no sign, as in the general text.
      {-0.0, 2, L"0.00"},
      {-0.0, 0, L"0"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals << " decimals");
    EXPECT_EQ(Edit(c.value, c.decimals), c.text);
    EXPECT_EQ(Grouped(c.value, c.decimals), c.text);
  }
}

TEST(FormatNumberRounding, TheExtremesOfTheDoubleRangeFormatInFull) {
  // 1E+308: a one and 308 zeros, 309 digits in 103 full groups.
  EXPECT_EQ(Edit(1e308, 0), L"1" + std::wstring(308, L'0'));
  EXPECT_EQ(Edit(1e308, 2), L"1" + std::wstring(308, L'0') + L".00");
  const std::wstring grouped = Grouped(1e308, 2);
  EXPECT_EQ(grouped.size(), 309u + 102u + 3u);
  EXPECT_EQ(grouped.substr(0, 9), L"100,000,0");
  EXPECT_EQ(grouped.substr(grouped.size() - 7), L",000.00");
  // The largest Double: its 15 significant digits, then zeros.
  const std::wstring largest = Edit(std::numeric_limits<double>::max(), 0);
  EXPECT_EQ(largest, L"179769313486232" + std::wstring(294, L'0'));
  EXPECT_EQ(Edit(-std::numeric_limits<double>::max(), 1), L"-" + largest + L".0");
  // The smallest Double rounds to zero with any usual count of decimals ...
  EXPECT_EQ(Edit(5e-324, 2), L"0.00");
  EXPECT_EQ(Edit(5e-324, 0), L"0");
  EXPECT_EQ(Edit(std::numeric_limits<double>::min(), 300), L"0." + std::wstring(300, L'0'));
  // ... and shows its digits when the mask reaches down to them (4.94065645841247E-324).
  EXPECT_EQ(Edit(5e-324, 330), L"0." + std::wstring(323, L'0') + L"4940656");
  EXPECT_EQ(Edit(5e-324, 340), L"0." + std::wstring(323, L'0') + L"49406564584124700");
}

TEST(FormatNumberRounding, ManyDecimalsGiveExactlyThatManyDigits) {
  struct Case {
    double value;
    int decimals;
    const wchar_t* head;  // the text up to and including the last significant digit
  };
  const Case kCases[] = {
      {0.1, 15, L"0.1"},          {1.0 / 3, 17, L"0.333333333333333"},      {-2.5, 17, L"-2.5"},
      {1234.5, 32767, L"1234.5"}, {-1.0 / 7, 32767, L"-0.142857142857143"}, {0, 32767, L"0."},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals << " decimals");
    const std::wstring text = Edit(c.value, c.decimals);
    const std::wstring head = c.head;
    const std::size_t point = text.find(L'.');
    ASSERT_NE(point, std::wstring::npos);
    EXPECT_EQ(text.size() - point - 1, static_cast<std::size_t>(c.decimals));
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_EQ(text.find_first_not_of(L'0', head.size()), std::wstring::npos);
  }
  // The grouped form of the longest integer part with the most decimals: the length follows
  // from the digit counts alone.
  const std::wstring longest = Grouped(1e308, 32767);
  EXPECT_EQ(longest.size(), 309u + 102u + 1u + 32767u);
}

// ---------------------------------------------------------------------------------------------
// Grouping and the locale's separators

TEST(FormatNumberGrouping, GroupsOfThreeFromThePointInEveryLocale) {
  struct Case {
    double value;
    int decimals;
    const wchar_t* grouped;  // en-US form
  };
  const Case kCases[] = {
      {0, 2, L"0.00"},
      {1, 0, L"1"},
      {12, 0, L"12"},
      {123, 0, L"123"},
      {999, 2, L"999.00"},
      {999.995, 2, L"1,000.00"},
      {1234, 0, L"1,234"},
      {1234.45, 2, L"1,234.45"},
      {12345.678, 1, L"12,345.7"},
      {123456, 3, L"123,456.000"},
      {1234567, 2, L"1,234,567.00"},
      {-1234567.891, 2, L"-1,234,567.89"},
      {-123456, 0, L"-123,456"},  // no separator between the sign and a full group
      {999999.5, 0, L"1,000,000"},
      {1e15, 0, L"1,000,000,000,000,000"},
      {0.123456, 6, L"0.123456"},  // decimals are never grouped
  };
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const Case& c : kCases) {
      SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals << " decimals");
      const std::wstring grouped = Localized(c.grouped, locale.separators);
      EXPECT_EQ(Grouped(c.value, c.decimals, locale.separators), grouped);
      // The edit mask shows the same number without its group separators.
      std::wstring plain;
      for (wchar_t ch : grouped) {
        if (ch != locale.separators.group) plain += ch;
      }
      EXPECT_EQ(Edit(c.value, c.decimals, locale.separators), plain);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Formatting a text

TEST(FormatText, ANumberIsReformattedAndAnythingElseComesBackUnchanged) {
  struct Case {
    const wchar_t* text;  // en-US form
    NumberMask mask;
    const wchar_t* formatted;
  };
  const Case kCases[] = {
      {L"1,234.5", EditMask(2), L"1234.50"},
      {L"1234.5", DisplayMask(2, true), L"1,234.50"},
      {L"  -2.5 ", EditMask(0), L"-3"},
      {L"012", EditMask(2), L"12.00"},
      {L".5", EditMask(2), L"0.50"},
      {L"-.5", EditMask(1), L"-0.5"},
      {L"5.", EditMask(1), L"5.0"},
      {L"1E+3", DisplayMask(1, true), L"1,000.0"},
      {L"-0.001", EditMask(2), L"-0.00"},
      {L"-0", EditMask(2), L"0.00"},
      {L"1.23456789", EditMask(3), L"1.235"},
      // Not a number: the text itself.
      {L"", EditMask(2), L""},
      {L" ", EditMask(2), L" "},
      {L"-", EditMask(2), L"-"},
      {L".", EditMask(2), L"."},
      {L"abc", DisplayMask(2, true), L"abc"},
      {L"1..2", EditMask(2), L"1..2"},
      {L"1E", EditMask(2), L"1E"},
      {L"1E+400", EditMask(2), L"1E+400"},  // beyond the Double range: no number either
  };
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const Case& c : kCases) {
      const std::wstring text = Localized(c.text, locale.separators);
      SCOPED_TRACE(testing::PrintToString(text));
      EXPECT_EQ(FormatText(text, c.mask, locale.separators),
                Localized(c.formatted, locale.separators));
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The locale number parser

TEST(ParseNumber, AcceptsTheNumberFormsOfTheLocale) {
  struct Case {
    const wchar_t* text;  // en-US form
    double value;
  };
  const Case kCases[] = {
      {L"0", 0},
      {L"7", 7},
      {L"  42  ", 42},  // blanks around are ignored
      {L" -3.25", -3.25},
      {L"+5", 5},
      {L"-5", -5},
      {L"+0.5", 0.5},
      {L".5", 0.5},
      {L"5.", 5},
      {L"-.5", -0.5},
      {L"+.5", 0.5},
      {L"007", 7},
      {L"1,234.5", 1234.5},
      {L"-1,234,567.891", -1234567.891},
      {L"1,2", 12},  // a group separator between digits is ignored wherever it stands
      {L"1,2,3,4", 1234},
      {L"12,34.5", 1234.5},
      {L"1E+15", 1e15},
      {L"1e-5", 1e-5},
      {L"1E5", 1e5},
      {L"1.5E-05", 1.5e-5},
      {L"-2.5e+3", -2500},
      {L".5E1", 5},
      {L"5.E1", 50},
      {L"1,000E3", 1e6},
      {L"0.1", 0.1},  // correctly rounded to the nearest Double
      {L"2.675", 2.675},
      {L"123456789012345678", 123456789012345678.0},
      {L"1E+308", 1e308},
      {L"1.7976931348623157E+308", std::numeric_limits<double>::max()},
      {L"2.2250738585072014E-308", std::numeric_limits<double>::min()},
      {L"5E-324", std::numeric_limits<double>::denorm_min()},
      {L"4.94065645841247E-324", std::numeric_limits<double>::denorm_min()},
      // Below the smallest Double the number is zero, not an error.
      {L"1E-400", 0},
      {L"-1E-400", 0},
      {L"0.00000000000000000000000000000000000000000000000000000000000000000000000000000000"
       L"00000000000000000000000000000000000000000000000000000000000000000000000000000000"
       L"00000000000000000000000000000000000000000000000000000000000000000000000000000000"
       L"00000000000000000000000000000000000000000000000000000000000000000000000000000000"
       L"000000000000000000000000000000000000000000000000000000000000000000000001",
       0},
      {L"1E-99999999999999999999", 0},
      {L"0E+99999", 0},
  };
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const Case& c : kCases) {
      const std::wstring text = Localized(c.text, locale.separators);
      SCOPED_TRACE(testing::PrintToString(text));
      double tried = -1;
      EXPECT_EQ(ParseNumber(text, locale.separators), c.value);
      EXPECT_TRUE(TryParseNumber(text, locale.separators, tried));
      EXPECT_EQ(tried, c.value);
    }
  }
}

TEST(ParseNumber, TheSignOfZeroFollowsTheText) {
  EXPECT_FALSE(std::signbit(ParseNumber(L"0", kEnUs)));
  EXPECT_TRUE(std::signbit(ParseNumber(L"-0", kEnUs)));
  EXPECT_TRUE(std::signbit(ParseNumber(L"-1E-400", kEnUs)));
  EXPECT_FALSE(std::signbit(ParseNumber(L"+1E-400", kEnUs)));
}

TEST(ParseNumber, RefusesWhatIsNotANumberWithATypeMismatch) {
  const wchar_t* const kTexts[] = {
      L"",       L" ",     L"   ",    L"-",        L"+",   L".",   L"-.",    L"+.",    L"1..2",
      L"1.2.3",  L"..5",   L"--5",    L"+-5",      L"-+5", L"5-",  L"- 5",   L"abc",   L"12abc",
      L"a12",    L"1E",    L"1E+",    L"1E-",      L"E5",  L"e",   L".E5",   L"1E5.5", L"1E+5,0",
      L"1EE5",   L"1E 5",  L"1 E5",   L"0x10",     L"inf", L"NaN", L"1.5,5", L"1.,5",  L"1,,2",
      L"-,5",    L"1,.5",  L"1\t",    L"\t1",      L"1%",  L"$1",  L"(1)",   L"1e5e5", L"1E+-5",
      L"\u0661", L"1_000", L"\u00BD", L"1.2E+3.4",
  };
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const wchar_t* t : kTexts) {
      const std::wstring text = Localized(t, locale.separators);
      SCOPED_TRACE(testing::PrintToString(text));
      EXPECT_EQ(ParseError(text, locale.separators), ErrorCode::TypeMismatch);
      double untouched = 42;
      EXPECT_FALSE(TryParseNumber(text, locale.separators, untouched));
      EXPECT_EQ(untouched, 42);
    }
  }
}

TEST(ParseNumber, AGroupSeparatorAtEitherEndOfTheDigitsIsRefused) {
  // Except where the group separator is a blank: at the ends it is trimmed as one.
  const wchar_t* const kTexts[] = {L",5", L"1,", L",", L"-,5", L"1,.5", L",1,234"};
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const wchar_t* t : kTexts) {
      const std::wstring text = Localized(t, locale.separators);
      SCOPED_TRACE(testing::PrintToString(text));
      const bool blankGroup = locale.separators.group == L' ';
      if (blankGroup && (text == L" 5" || text == L"1 " || text == L" 1 234")) {
        EXPECT_EQ(ParseError(text, locale.separators), std::nullopt);
      } else {
        EXPECT_EQ(ParseError(text, locale.separators), ErrorCode::TypeMismatch);
      }
    }
  }
  const Separators blankGroup{L'\u00B7', L' '};
  EXPECT_EQ(ParseNumber(L" 5", blankGroup), 5);
  EXPECT_EQ(ParseNumber(L"1 ", blankGroup), 1);
  EXPECT_EQ(ParseNumber(L" 1 234 567\u00B75 ", blankGroup), 1234567.5);
  EXPECT_EQ(ParseError(L"1  234", blankGroup), ErrorCode::TypeMismatch);
}

TEST(ParseNumber, OnlyTheLocalesOwnSeparatorsCount) {
  struct Case {
    const wchar_t* text;
    Separators separators;
    std::optional<double> value;  // nullopt: type mismatch
  };
  const Case kCases[] = {
      // The other locale's decimal point is a group separator here, or nothing at all.
      {L"1.5", {L',', L'.'}, 15},
      {L"1,5", {L',', L'.'}, 1.5},
      {L"1.234,5", {L',', L'.'}, 1234.5},
      {L"1,234.5", {L',', L'.'}, std::nullopt},  // a group separator after the point
      {L"1.234,5", {L'.', L','}, std::nullopt},
      {L"1,5", {L'.', L'\''}, std::nullopt},
      {L"1'234.5", {L'.', L'\''}, 1234.5},
      {L"1.5", {L'\u00B7', L' '}, std::nullopt},
      {L"1\u00B75", {L'\u00B7', L' '}, 1.5},
      // A plain blank is not the no-break space of fr-FR, nor a group separator of en-US.
      {L"1\u00A0234,5", {L',', L'\u00A0'}, 1234.5},
      {L"1 234,5", {L',', L'\u00A0'}, std::nullopt},
      {L"1 234", {L'.', L','}, std::nullopt},
      // The ends are trimmed of blanks only, not of no-break spaces.
      {L"\u00A01", {L',', L'\u00A0'}, std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    double value = 0;
    const bool parsed = TryParseNumber(c.text, c.separators, value);
    ASSERT_EQ(parsed, c.value.has_value());
    if (parsed) {
      EXPECT_EQ(value, *c.value);
    }
  }
}

TEST(ParseNumber, AMagnitudeBeyondTheDoubleRangeIsAnOverflow) {
  const wchar_t* const kTexts[] = {
      L"1E+400",
      L"-1E+400",
      L"1.8E+308",
      L"1.7976931348623159E+308",
      L"0.2E+310",
      L"1,000E+306",
      L"1E+99999999999999999999",
      L"-1E99999",
      L"1000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      L"0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      L"0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
      L"0000000000000000000000000000000000000000000000000000000000000000000000000000000000",
  };
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const wchar_t* t : kTexts) {
      const std::wstring text = Localized(t, locale.separators);
      SCOPED_TRACE(testing::PrintToString(text));
      EXPECT_EQ(ParseError(text, locale.separators), ErrorCode::Overflow);
      double untouched = 42;
      EXPECT_FALSE(TryParseNumber(text, locale.separators, untouched));
      EXPECT_EQ(untouched, 42);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// The general numeric text

TEST(GeneralNumberText, FifteenDigitsWithoutTrailingZerosAndExponentsAtTheEnds) {
  struct Case {
    double value;
    const wchar_t* text;  // en-US form
  };
  const Case kCases[] = {
      {0, L"0"},
      {-0.0, L"0"},
      {7, L"7"},
      {-7, L"-7"},
      {1234.5, L"1234.5"},
      {-0.25, L"-0.25"},
      {100, L"100"},
      {1234.5000, L"1234.5"},
      {0.1 + 0.2, L"0.3"},
      {1.0 / 3, L"0.333333333333333"},
      {2.0 / 3, L"0.666666666666667"},
      {2.675, L"2.675"},
      {123456789012345.6, L"123456789012346"},
      {999999999999999, L"999999999999999"},
      {100000000000000, L"100000000000000"},
      // 1E+15 and above: exponent form, two exponent digits at least.
      {1e15, L"1E+15"},
      {-1e15, L"-1E+15"},
      {1.5e15, L"1.5E+15"},
      {999999999999999.9, L"1E+15"},  // rounds to 15 digits first, then chooses the form
      {123456789012345678.0, L"1.23456789012346E+17"},
      {1e100, L"1E+100"},
      {1e308, L"1E+308"},
      {std::numeric_limits<double>::max(), L"1.79769313486232E+308"},
      // Below 1E-04: exponent form; 1E-04 itself is plain.
      {0.0001, L"0.0001"},
      {0.00012345, L"0.00012345"},
      {-0.0001, L"-0.0001"},
      {0.00001, L"1E-05"},
      {1.5e-5, L"1.5E-05"},
      {-1.5e-5, L"-1.5E-05"},
      {9.99999999999999e-5, L"9.99999999999999E-05"},
      {0.000099999999999999999, L"0.0001"},  // rounds up into the plain range
      {1e-10, L"1E-10"},
      {std::numeric_limits<double>::min(), L"2.2250738585072E-308"},
      {std::numeric_limits<double>::denorm_min(), L"4.94065645841247E-324"},
  };
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (const Case& c : kCases) {
      SCOPED_TRACE(testing::Message() << c.value);
      // The general text never groups, so only the decimal separator is localized.
      EXPECT_EQ(GeneralNumberText(c.value, locale.separators.decimal),
                Localized(c.text, {locale.separators.decimal, L'?'}));
    }
  }
}

TEST(GeneralNumberText, ReadsBackAsTheSameNumberAndTheSameText) {
  const double kValues[] = {0.1,
                            1234.5,
                            -0.25,
                            1.0 / 3,
                            2.675,
                            1e15,
                            1.5e-5,
                            1e-5,
                            1e308,
                            5e-324,
                            -1e-4,
                            123456789012345678.0,
                            999999999999999.0,
                            0.0001,
                            1e-300,
                            42,
                            -7.125};
  for (const NamedSeparators& locale : kLocales) {
    SCOPED_TRACE(locale.name);
    for (double v : kValues) {
      SCOPED_TRACE(testing::Message() << v);
      const std::wstring text = GeneralNumberText(v, locale.separators.decimal);
      const double back = ParseNumber(text, locale.separators);
      EXPECT_EQ(GeneralNumberText(back, locale.separators.decimal), text);
      // At most 15 significant digits were written, so the number comes back that close.
      EXPECT_LE(std::fabs(back - v), std::fabs(v) * 1e-14);
    }
  }
}

TEST(PlainDecimalText, SpellsTheFifteenDigitFormOutWithoutExponent) {
  struct Case {
    double value;
    const char* text;
  };
  const Case kCases[] = {
      {0, "0"},
      {-0.0, "0"},
      {1234.45, "1234.45"},
      {-0.00001, "-0.00001"},
      {1.5e-7, "0.00000015"},
      {1e15, "1000000000000000"},
      {123456789012345678.0, "123456789012346000"},
      {1e20, "100000000000000000000"},
      {2.675, "2.675"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.value);
    EXPECT_EQ(PlainDecimalText(c.value), c.text);
  }
  // The platform formatter receives the exact 15-digit form even at the ends of the range.
  EXPECT_EQ(PlainDecimalText(1e308), "1" + std::string(308, '0'));
  EXPECT_EQ(PlainDecimalText(5e-324), "0." + std::string(323, '0') + "494065645841247");
}

}  // namespace
}  // namespace kovra
