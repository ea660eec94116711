// The general numeric text that Value reads back: fifteen significant digits, no trailing zeros,
// exponents at the ends of the range, read back as the same number in every locale; and the
// plain decimal spelling of the fifteen-digit form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "base/number_text.h"
#include "tests/support/separator_sets.h"
#include "tests/support/test_platform.h"

namespace kovra {
namespace {

using test::kLocales;
using test::Localized;
using test::NamedSeparators;

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
