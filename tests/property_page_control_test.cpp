// The three pages on a real control, under every test locale and on the Windows platform: the
// control's own setters check what the pages apply, show their messages for refused values, and
// the properties after a refused one are still written.
#include <gtest/gtest.h>

#include <optional>

#include "base/control_error.h"
#include "control/property_access.h"
#include "core/enumerations.h"
#include "pages/property_page.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

using pages::IssueKind;
using pages::PropertyPage;

class PropertyPageControlTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    target_.emplace(Control());
  }
  // A page of the control, loaded from it.
  PropertyPage Loaded(const pages::PageDefinition& definition) {
    PropertyPage page(definition, Seps());
    pages::PageTarget* selection[] = {&*target_};
    EXPECT_TRUE(page.SelectionChanged(selection).empty());
    return page;
  }
  Variant Get(std::wstring_view name) { return Control().GetProperty(name); }
  std::size_t MessageCount() { return platform_->Messages().size(); }

  std::optional<pages::ControlTarget> target_;  // the control, once it is placed
};

TEST_P(PropertyPageControlTest, ApplyingTellsTheContainerOfEachPropertyInThePagesOrder) {
  for (const pages::PageDefinition* definition : pages::ControlPages()) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(definition->caption)));
    PropertyPage page = Loaded(*definition);
    platform_->Container().changedProperties.clear();
    page.ApplyChanges();
    const std::vector<std::wstring> expected(definition->order.begin(), definition->order.end());
    EXPECT_EQ(platform_->Container().changedProperties, expected);
  }
}

TEST_P(PropertyPageControlTest, GeneralPageRefusedIncrementShowsTheMessageAndTheRestIsWritten) {
  PropertyPage page = Loaded(pages::GeneralPage());
  EXPECT_EQ(page.Control(L"txtButtonSpinIncrement").caption, L"1");
  EXPECT_EQ(page.Control(L"txtButtonSpinMax").caption, L"100");
  page.TypeText(L"txtButtonSpinIncrement", L(L"-2.5"));
  page.TypeText(L"txtButtonSpinMin", L(L"-10.5"));
  page.ClickCheckBox(L"chkButtonSpin");
  page.ClickCheckBox(L"chkEnabled");
  page.ChooseItem(L"Combo1", 0);
  page.ChooseItem(L"Combo2", 2);
  const std::size_t before = MessageCount();

  EXPECT_TRUE(page.ApplyChanges().empty());  // a refusal with a message is the control's own

  ASSERT_EQ(MessageCount(), before + 1);
  EXPECT_EQ(platform_->Messages().back().text, kInvalidValueMessage);
  EXPECT_EQ(platform_->Messages().back().icon, MessageIcon::Critical);
  EXPECT_EQ(Get(L"ButtonSpinIncrement"), Variant(1.0));
  EXPECT_EQ(Get(L"ButtonSpinMin"), Variant(-10.5));  // before it
  EXPECT_EQ(Get(L"ButtonSpin"), Variant(true));      // after it
  EXPECT_EQ(Get(L"Enabled"), Variant(false));
  EXPECT_EQ(Get(L"Appearance"), Variant(appearance::WindowsAppearance));
  EXPECT_EQ(Get(L"Alignment"), Variant(alignment::CenterAlignment));
  EXPECT_FALSE(page.Changed());
}

TEST_P(PropertyPageControlTest, XpPageRefusedWidthKeepsTheOldWidthAndTheCombosAreWritten) {
  Control().PutProperty(L"WinBorderWidth", std::int16_t{2});
  PropertyPage page = Loaded(pages::XpPage());
  EXPECT_EQ(page.Control(L"txtXPBorderWidth").caption, L"2");
  page.TypeText(L"txtXPBorderWidth", L"0");
  page.ChooseItem(L"Combo1", 1);
  page.ChooseItem(L"Combo2", 1);
  page.ChooseItem(L"Combo3", 2);
  page.ChooseItem(L"Combo4", 5);
  page.ChooseItem(L"Combo5", 1);
  const std::size_t before = MessageCount();
  page.ApplyChanges();
  ASSERT_EQ(MessageCount(), before + 1);
  EXPECT_EQ(platform_->Messages().back().text, kInvalidValueMessage);
  EXPECT_EQ(Get(L"WinBorderWidth"), Variant(std::int16_t{2}));
  EXPECT_EQ(Get(L"WinBorderColorOption"), Variant(std::int16_t{1}));
  EXPECT_EQ(Get(L"XPGetTheme"), Variant(std::int16_t{1}));
  EXPECT_EQ(Get(L"WinTheme"), Variant(std::int16_t{2}));
  EXPECT_EQ(Get(L"Border3DStyle"), Variant(std::int16_t{5}));
  EXPECT_EQ(Get(L"Edit3DOption"), Variant(std::int16_t{1}));
}

TEST_P(PropertyPageControlTest, FormatPageWritesDecimalPlacesBeforeTheValue) {
  PropertyPage page = Loaded(pages::FormatPage());
  EXPECT_EQ(page.Control(L"txtValue").caption, L(L"0"));
  EXPECT_EQ(page.Control(L"txtDecimalPlaces").caption, L"2");
  page.TypeText(L"txtDecimalPlaces", L"3");
  page.TypeText(L"txtValue", L(L"1234.5"));
  page.ApplyChanges();
  EXPECT_EQ(Text(), L(L"1234.500"));
  EXPECT_EQ(Control().Value(), L(L"1234.5"));
}

TEST_P(PropertyPageControlTest, FormatPageValueAboveTheSpinRangeShowsTheValueMessageLast) {
  Control().PutProperty(L"ButtonSpin", true);
  PropertyPage page = Loaded(pages::FormatPage());
  page.ClickCheckBox(L"chkUseSeparator");
  page.TypeText(L"txtDecimalPlaces", L"1");
  page.TypeText(L"txtMinValue", L(L"-50"));
  page.TypeText(L"txtMaxValue", L(L"5000"));
  page.TypeText(L"txtValue", L(L"150"));  // above ButtonSpinMax 100
  const std::size_t before = MessageCount();
  page.ApplyChanges();
  ASSERT_EQ(MessageCount(), before + 1);
  EXPECT_EQ(platform_->Messages().back().text,
            L"The Property ButtonSpin = True and Value > 100    ");
  EXPECT_EQ(Control().Value(), L(L"0"));
  EXPECT_EQ(Get(L"UseSeparator"), Variant(true));
  EXPECT_EQ(Get(L"DecimalPlaces"), Variant(std::int16_t{1}));
  EXPECT_EQ(Get(L"MinValue"), Variant(-50.0));
  EXPECT_EQ(Get(L"MaxValue"), Variant(5000.0));
}

TEST_P(PropertyPageControlTest, TextsTheControlCannotConvertAreSkippedWithoutAMessage) {
  PropertyPage page = Loaded(pages::GeneralPage());
  page.TypeText(L"txtButtonSpinMax", L"abc");
  page.TypeText(L"txtButtonSpinIncrement", L"2");
  const std::size_t before = MessageCount();
  const auto issues = page.ApplyChanges();
  ASSERT_EQ(issues.size(), 1u);
  EXPECT_EQ(issues[0].property, L"ButtonSpinMax");
  EXPECT_EQ(issues[0].kind, IssueKind::Refused);
  EXPECT_EQ(MessageCount(), before);
  EXPECT_EQ(Get(L"ButtonSpinMax"), Variant(100.0));
  EXPECT_EQ(Get(L"ButtonSpinIncrement"), Variant(2.0));
  EXPECT_TRUE(page.Changed());

  PropertyPage format = Loaded(pages::FormatPage());
  format.TypeText(L"txtDecimalPlaces", L"70000");  // beyond a 16-bit integer
  format.TypeText(L"txtValue", L"x");
  format.TypeText(L"txtMaxValue", L(L"77"));
  const auto formatIssues = format.ApplyChanges();
  ASSERT_EQ(formatIssues.size(), 2u);
  EXPECT_EQ(formatIssues[0].detail.substr(0, 8), L"error 6:");
  EXPECT_EQ(formatIssues[1].detail.substr(0, 9), L"error 13:");
  EXPECT_EQ(Get(L"DecimalPlaces"), Variant(std::int16_t{2}));
  EXPECT_EQ(Get(L"MaxValue"), Variant(77.0));
}

TEST_P(PropertyPageControlTest, LoadingShowsTheControlsNumbersInTheLocalesSeparators) {
  Control().PutProperty(L"ButtonSpinIncrement", 0.25);
  Control().PutProperty(L"MinValue", -1234.5);
  PropertyPage general = Loaded(pages::GeneralPage());
  EXPECT_EQ(general.Control(L"txtButtonSpinIncrement").caption, L(L"0.25"));
  PropertyPage format = Loaded(pages::FormatPage());
  EXPECT_EQ(format.Control(L"txtMinValue").caption, L(L"-1234.5"));
  format.TypeText(L"txtMinValue", L(L"-0.75"));
  format.ApplyChanges();
  EXPECT_EQ(Get(L"MinValue"), Variant(-0.75));
}

KOVRA_RUN_ON_TEST_LOCALES(PropertyPageControlTest);

}  // namespace
}  // namespace kovra::test
