// The user's number format on Windows: the separators the control's locale probe takes from
// the system formatter, the formatter's rounding and refusals, and a differential check of the
// control's own number formatter against the system's over thousands of values.
#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/control_error.h"
#include "base/number_text.h"
#include "control/kovra_double.h"
#include "testing/control_probe.h"
#include "tests/support/win32_platform_fixture.h"

namespace kovra::test {
namespace {

using Win32NumberFormatTest = Win32PlatformTest;

// ---- The user's number format ---------------------------------------------------------------

// The separators the control's locale probe takes from the system formatter.
Separators ProbeSeparators(Platform& platform) {
  KovraDouble control(platform);
  control.Initialize();
  return probe::State(control).separators;
}

// The run's separators, printed for the log; KnownSeparators holds them to a prepared locale.
TEST_F(Win32NumberFormatTest, TheSystemFormatterGroupsAsTheLocaleProbeExpects) {
  const std::wstring probe = Get().GetLocale().FormatNumber(L"1234.45", 2);
  const Separators separators = ProbeSeparators(Get());
  std::cout << "[ locale   ] probe \"" << Narrow(probe) << "\" decimal '"
            << Narrow(std::wstring(1, separators.decimal)) << "' group '"
            << Narrow(std::wstring(1, separators.group)) << "'\n";
  EXPECT_EQ(probe, Localized(L"1,234.45", separators));
  EXPECT_NE(separators.decimal, separators.group);
}

TEST_F(Win32NumberFormatTest, TheFormatterRoundsHalfAwayFromZeroAndKeepsALeadingZero) {
  Locale& locale = Get().GetLocale();
  const Separators s = ProbeSeparators(Get());
  EXPECT_EQ(locale.FormatNumber(L"2.675", 2), Localized(L"2.68", s));
  EXPECT_EQ(locale.FormatNumber(L"-2.5", 0), Localized(L"-3", s));
  EXPECT_EQ(locale.FormatNumber(L".5", 1), Localized(L"0.5", s));
  EXPECT_EQ(locale.FormatNumber(L"1234567", 0), Localized(L"1,234,567", s));
  EXPECT_EQ(locale.FormatNumber(L"0", 3), Localized(L"0.000", s));
}

TEST_F(Win32NumberFormatTest, TheFormatterRefusesWhatItCannotFormat) {
  Locale& locale = Get().GetLocale();
  try {
    locale.FormatNumber(L"1.5", -1);
    ADD_FAILURE() << "negative decimals accepted";
  } catch (const ControlError& e) {
    EXPECT_EQ(e.code(), ErrorCode::InvalidArgument);
  }
  for (const wchar_t* refused :
       {L"abc", L"1,234.5", L"1e5", L"", L"-", L".", L"1.2.3", L"--1", L" 1"}) {
    try {
      const std::wstring text = locale.FormatNumber(refused, 2);
      ADD_FAILURE() << "\"" << Narrow(refused) << "\" gave \"" << Narrow(text) << "\"";
    } catch (const ControlError& e) {
      EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
    }
  }
}

// Values across the magnitudes the control meets, with many decimal ties among them.
std::vector<double> SampleValues() {
  std::mt19937_64 random(20240611);
  std::vector<double> values{0.0,    -0.0,    0.5,     -0.5,     1.005,      2.675,  0.125,
                             -0.125, 999.995, 1234.45, 999999.5, 1e14 + 0.5, 0.0049, -0.0049};
  std::uniform_int_distribution<int> exponent(-12, 14);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<long long> cents(-100000000, 100000000);
  std::uniform_int_distribution<int> scale(1, 10);
  std::bernoulli_distribution negative(0.3);
  for (int i = 0; i < 2000; ++i) {
    const double magnitude = mantissa(random) * std::pow(10.0, exponent(random));
    values.push_back(negative(random) ? -magnitude : magnitude);
    // A short decimal ending in 5 sits exactly on a rounding tie of its decimal text.
    const double tie =
        (static_cast<double>(cents(random)) * 10 + 5) / std::pow(10.0, scale(random));
    values.push_back(tie);
  }
  return values;
}

std::wstring WithoutGroups(std::wstring text, wchar_t group) {
  std::erase(text, group);
  return text;
}

std::size_t IntegerDigits(std::wstring_view text, wchar_t decimal) {
  std::size_t digits = 0;
  for (wchar_t c : text.substr(0, text.find(decimal))) digits += (c >= L'0' && c <= L'9') ? 1 : 0;
  return digits;
}

// Wine 8's GetNumberFormatEx places the group separators of a number whose rounding carries
// into a new integer digit by the digit count before rounding (999.995 with 0 decimals gives
// "1000", 999999.5 gives "1000,000"). Such a result is printed as a platform defect; every
// other disagreement fails.
bool IsCarryGroupingDefect(const std::string& plain, const std::wstring& ours,
                           const std::wstring& system, const Separators& separators) {
  const std::wstring unrounded(plain.begin(), plain.end());
  return WithoutGroups(ours, separators.group) == WithoutGroups(system, separators.group) &&
         IntegerDigits(ours, separators.decimal) > IntegerDigits(unrounded, L'.');
}

TEST_F(Win32NumberFormatTest, TheControlsFormatterAgreesWithTheSystemFormatter) {
  Locale& locale = Get().GetLocale();
  const Separators separators = ProbeSeparators(Get());
  int disagreements = 0;
  for (int decimals = 0; decimals <= 9; ++decimals) {
    const NumberMask mask{.grouped = true, .point = decimals > 0, .decimals = decimals};
    for (double value : SampleValues()) {
      const std::string plain = PlainDecimalText(value);
      const std::wstring ours = FormatNumber(value, mask, separators);
      const std::wstring system =
          locale.FormatNumber(std::wstring(plain.begin(), plain.end()), decimals);
      if (ours == system) continue;
      std::ostringstream line;
      line << "value " << plain << ", " << decimals << " decimals: FormatNumber \"" << Narrow(ours)
           << "\", GetNumberFormatEx \"" << Narrow(system) << '"';
      if (IsCarryGroupingDefect(plain, ours, system, separators)) {
        std::cout << "[ platform ] grouping after a rounding carry: " << line.str() << "\n";
      } else if (++disagreements <= 20) {
        ADD_FAILURE() << line.str();
      }
    }
  }
  EXPECT_EQ(disagreements, 0);
}

}  // namespace
}  // namespace kovra::test
