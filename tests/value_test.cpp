// Writing and reading Value: rounding to DecimalPlaces, the two masks, the spin-range messages
// and the refusals. Every case runs under each test locale; texts are written in en-US form.
#include <gtest/gtest.h>

#include "base/control_error.h"
#include "testing/control_probe.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

class ValueTest : public ControlTest {};

struct WriteCase {
  const wchar_t* written;  // en-US form
  int decimalPlaces;
  bool useSeparator;
  bool hasFocus;
  const wchar_t* shown;  // the text of the box afterwards
  const wchar_t* read;   // Value read back
};

const WriteCase kWrites[] = {
    {L"1234.5", 2, true, false, L"1,234.50", L"1234.5"},
    {L"1234.5", 2, true, true, L"1234.50", L"1234.5"},
    {L"1234.5", 2, false, false, L"1234.50", L"1234.5"},
    {L"2.675", 2, false, false, L"2.68", L"2.68"},  // the 15-digit form, not the binary value
    {L"1.005", 2, false, false, L"1.01", L"1.01"},
    {L"12.5", 0, false, false, L"13", L"13"},
    {L"-12.5", 0, false, false, L"-13", L"-13"},
    {L"-2.5", 0, true, false, L"-3", L"-3"},
    {L"0.004", 2, false, false, L"0.00", L"0"},
    {L"-0.004", 2, false, false, L"0.00", L"0"},  // rounds to a zero that reads back unsigned
    {L"1234567.891", 3, true, false, L"1,234,567.891", L"1234567.891"},
    {L"1234567.891", 3, true, true, L"1234567.891", L"1234567.891"},
    {L"999.999", 2, true, false, L"1,000.00", L"1000"},
    {L"  42  ", 1, false, false, L"42.0", L"42"},
    {L"+7", 2, false, false, L"7.00", L"7"},
    {L"-.5", 2, false, false, L"-0.50", L"-0.5"},
    {L"1E+3", 2, true, false, L"1,000.00", L"1000"},
    {L"0.00001", 5, false, false, L"0.00001", L"1E-05"},
    {L"123456789.125", 2, true, false, L"123,456,789.13", L"123456789.13"},
    {L"1,234.5", 2, false, false, L"1234.50", L"1234.5"},  // group separators are accepted
};

TEST_P(ValueTest, WritingRoundsAndShowsTheMaskOfTheFocusState) {
  for (const WriteCase& c : kWrites) {
    SCOPED_TRACE(testing::Message()
                 << "Value := " << testing::PrintToString(std::wstring(c.written)) << " with "
                 << c.decimalPlaces << " decimals");
    Properties() = DefaultProperties();
    Properties().decimalPlaces = static_cast<std::int16_t>(c.decimalPlaces);
    Properties().useSeparator = ToBoolean16(c.useSeparator);
    probe::State(Control()).hasFocus = c.hasFocus;
    Control().SetValue(L(c.written));
    EXPECT_EQ(Text(), L(c.shown));
    EXPECT_EQ(Control().Value(), L(c.read));
  }
}

TEST_P(ValueTest, OneWriteRaisesOneChangeAndNotifiesValueOnce) {
  Control().SetValue(L(L"12.5"));
  EXPECT_EQ(EventNames(), std::vector<std::wstring>{L"Change"});
  EXPECT_EQ(platform_->Container().changedProperties, std::vector<std::wstring>{L"Value"});
  EXPECT_EQ(probe::Entry(Control()).AcceptedText(), L(L"12.50"));
}

TEST_P(ValueTest, ATextThatIsNotANumberIsATypeMismatchAndChangesNothing) {
  Control().SetValue(L(L"5"));
  platform_->Container().events.clear();
  platform_->Container().changedProperties.clear();
  for (const wchar_t* bad : {L"abc", L"", L" ", L"-", L"1.2.3", L"12abc", L"1E"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(bad)));
    try {
      Control().SetValue(L(bad));
      ADD_FAILURE() << "no error";
    } catch (const ControlError& e) {
      EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
    }
    EXPECT_EQ(Text(), L(L"5.00"));
  }
  EXPECT_TRUE(platform_->Container().events.empty());
  EXPECT_TRUE(platform_->Container().changedProperties.empty());
}

TEST_P(ValueTest, ReadingATextThatIsNotANumberIsATypeMismatch) {
  probe::PutTextAsWritten(Control(), L"");
  try {
    (void)Control().Value();
    ADD_FAILURE() << "no error";
  } catch (const ControlError& e) {
    EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
  }
}

TEST_P(ValueTest, ANumberAboveMaxValueLeavesThePreviousTextWithoutAMessage) {
  Properties().maxValue = 500;
  Control().SetValue(L(L"120"));
  platform_->Container().events.clear();
  Control().SetValue(L(L"600"));
  EXPECT_EQ(Text(), L(L"120.00"));
  EXPECT_EQ(Control().Value(), L"120");
  EXPECT_TRUE(platform_->Messages().empty());
  EXPECT_EQ(EventNames(), std::vector<std::wstring>{L"Change"});  // the fall-back still changes
}

TEST_P(ValueTest, MinValueIsNotCheckedByWriting) {
  Properties().minValue = 10;
  Control().SetValue(L(L"5"));
  EXPECT_EQ(Text(), L(L"5.00"));
}

TEST_P(ValueTest, OutsideTheSpinRangeAMessageRefusesTheValue) {
  Properties().buttonSpin = kTrue;
  Properties().buttonSpinMax = 100;
  Properties().buttonSpinMin = 0.5;
  Control().SetValue(L(L"50"));
  platform_->Container().changedProperties.clear();

  Control().SetValue(L(L"150"));
  Control().SetValue(L(L"-1"));
  const auto messages = platform_->Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, L"The Property ButtonSpin = True and Value > 100    ");
  EXPECT_EQ(messages[0].title, kErrorTitle);
  EXPECT_EQ(messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(messages[1].text, L(L"The Property ButtonSpin = True and Value < 0.5    "));
  EXPECT_EQ(messages[1].icon, MessageIcon::Critical);
  EXPECT_EQ(Text(), L(L"50.00"));
  EXPECT_TRUE(platform_->Container().changedProperties.empty());

  Control().SetValue(L(L"100"));
  EXPECT_EQ(Text(), L(L"100.00"));
  EXPECT_EQ(platform_->Messages().size(), 2u);
}

TEST_P(ValueTest, WithSpinButtonsATextThatIsNotANumberIsStillATypeMismatch) {
  Properties().buttonSpin = kTrue;
  EXPECT_THROW(Control().SetValue(L"x"), ControlError);
  EXPECT_TRUE(platform_->Messages().empty());
}

TEST_P(ValueTest, ManyDecimalsFormatWithoutFailing) {
  Properties().decimalPlaces = 400;
  Control().SetValue(L(L"0.5"));
  const std::wstring text = Text();
  ASSERT_EQ(text.size(), 402u);
  EXPECT_EQ(text.substr(0, 4), L(L"0.50"));
  EXPECT_EQ(Control().Value(), L(L"0.5"));
}

TEST_P(ValueTest, RoundToPlacesNeverFails) {
  const EntryEngine& entry = probe::Entry(Control());
  EXPECT_EQ(entry.RoundToPlaces(2.675, 2), 2.68);
  EXPECT_EQ(entry.RoundToPlaces(-2.5, 0), -3);
  EXPECT_EQ(entry.RoundToPlaces(1e308, 2), 1e308);
  EXPECT_EQ(entry.RoundToPlaces(std::numeric_limits<double>::quiet_NaN(), 2), 0);
  EXPECT_EQ(entry.RoundToPlaces(std::numeric_limits<double>::infinity(), 2), 0);
  EXPECT_EQ(entry.RoundToPlaces(1.5, -1), 0);  // a negative count cannot be rendered
}

TEST_P(ValueTest, WritingDuringAGuardedRewriteSkipsTheChangeHandling) {
  const probe::OwnRewrite rewrite(Control());
  Control().SetValue(L(L"7.5"));
  // Loading writes the text as taken; the masks still apply, and the write itself leaves the
  // guard clear.
  EXPECT_EQ(Text(), L(L"7.50"));
  EXPECT_TRUE(platform_->Container().events.empty());
  EXPECT_EQ(probe::State(Control()).changeGuard, 0);
}

KOVRA_RUN_ON_TEST_LOCALES(ValueTest);

}  // namespace
}  // namespace kovra::test
