// Formatting number texts as behaviour tables: the two masks, rounding a number to the mask's
// decimals, grouping in the separators of each locale, and reformatting a text. Expected texts
// are written in en-US form and localized where a table runs under every locale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/number_text.h"
#include "tests/support/separator_sets.h"
#include "tests/support/test_platform.h"

namespace kovra {
namespace {

using test::kEnUs;
using test::kLocales;
using test::Localized;
using test::NamedSeparators;

std::wstring Edit(double value, int decimals, const Separators& separators = kEnUs) {
  return FormatNumber(value, EditMask(decimals), separators);
}

std::wstring Grouped(double value, int decimals, const Separators& separators = kEnUs) {
  return FormatNumber(value, DisplayMask(decimals, true), separators);
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

}  // namespace
}  // namespace kovra
