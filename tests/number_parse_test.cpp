// The locale number parser as behaviour tables: the number forms it accepts in each locale's
// separators, the sign of zero, and what it refuses with a type mismatch or an overflow.
// Expected texts are written in en-US form and localized for each locale.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "base/control_error.h"
#include "base/number_text.h"
#include "tests/support/separator_sets.h"
#include "tests/support/test_platform.h"

namespace kovra {
namespace {

using test::kEnUs;
using test::kLocales;
using test::Localized;
using test::NamedSeparators;

// The error a parse raises, or nullopt when it returns a number.
std::optional<ErrorCode> ParseError(std::wstring_view text, const Separators& separators) {
  try {
    (void)ParseNumber(text, separators);
  } catch (const ControlError& e) {
    return e.code();
  }
  return std::nullopt;
}

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

}  // namespace
}  // namespace kovra
