// Creation, Initialize, InitProperties and Show: the members before and after, the order that
// leaves the text box holding a bare 0, the fonts, and the separators the locale probe takes.
#include <gtest/gtest.h>

#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

class LifecycleTest : public ControlTest {
 protected:
  void SetUp() override {}  // each test drives the lifecycle itself
};

TEST_P(LifecycleTest, ACreatedControlHoldsOnlyZerosAndTheDesignedText) {
  KovraDouble control(platform_->Get());
  const ControlState& s = control.State();
  EXPECT_EQ(s.properties.decimalPlaces, 0);
  EXPECT_EQ(s.properties.maxValue, 0);
  EXPECT_EQ(s.properties.backColor, 0u);
  EXPECT_EQ(s.properties.enabled, kFalse);
  EXPECT_EQ(s.properties.mouseIcon, nullptr);
  EXPECT_EQ(s.changeGuard, 0);
  EXPECT_EQ(s.newInstance, 0);
  EXPECT_TRUE(s.firstUndoText.empty());
  EXPECT_FALSE(s.hasFocus);
  EXPECT_EQ(control.Text1().Text(), L"0.00");
  EXPECT_FALSE(control.Timer1().Enabled());
  EXPECT_FALSE(control.Timer2().Enabled());
  EXPECT_FALSE(control.Timer3().Enabled());
  EXPECT_EQ(control.Timer1().Interval(), 3);
  EXPECT_EQ(control.Timer2().Interval(), 3);
  EXPECT_EQ(control.Timer3().Interval(), 500);
  EXPECT_TRUE(platform_->Container().events.empty());
}

TEST_P(LifecycleTest, TheLocaleProbeTakesTheSeparatorsOfTheGroupedProbeText) {
  KovraDouble control(platform_->Get());
  control.Initialize();
  const std::wstring probe = platform_->Get().GetLocale().FormatNumber(L"1234.45", 2);
  ASSERT_GE(probe.size(), 6u);
  EXPECT_EQ(control.State().separators.decimal, probe[5]);
  EXPECT_EQ(control.State().separators.group, probe[1]);
  EXPECT_NE(control.State().separators.decimal, control.State().separators.group);
  EXPECT_EQ(probe, Localized(L"1,234.45", control.State().separators));
}

TEST_P(LifecycleTest, InitPropertiesLeavesABareZeroBeforeTheFirstRefresh) {
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  Control().Initialize();
  Control().InitProperties();
  // The Value write ran while DecimalPlaces was still 0: no decimals yet.
  EXPECT_EQ(Text(), L"0");
  EXPECT_EQ(Control().State().firstUndoText, L"0");
  EXPECT_EQ(Control().State().newInstance, 1);
  EXPECT_EQ(EventNames(), std::vector<std::wstring>{L"Change"});
  // Only the Value write notifies; the defaults are stored silently.
  EXPECT_EQ(platform_->Container().changedProperties, std::vector<std::wstring>{L"Value"});
}

TEST_P(LifecycleTest, InitPropertiesStoresEveryDefault) {
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  Control().Initialize();
  Control().InitProperties();
  const PropertyMembers& p = Properties();
  EXPECT_EQ(p.backColor, 0x80000005u);
  EXPECT_EQ(p.foreColor, 0x80000008u);
  EXPECT_EQ(p.enabled, kTrue);
  EXPECT_EQ(p.appearance, 0);
  EXPECT_EQ(p.selLength, 0);
  EXPECT_EQ(p.selStart, 0);
  EXPECT_EQ(p.winBorderWidth, 1);
  EXPECT_EQ(p.winBorderColor, 0x00C00000u);
  EXPECT_EQ(p.winBorderEffect, kFalse);
  EXPECT_EQ(p.winBorderOverColor, 0x00FF0000u);
  EXPECT_EQ(p.fontOverEffect, kFalse);
  EXPECT_EQ(p.fontOverColor, 0x000000FFu);
  EXPECT_EQ(p.border3DStyle, 1);
  EXPECT_EQ(p.edit3DOption, 0);
  EXPECT_EQ(p.edit3DColor, 0x8000000Fu);
  EXPECT_EQ(p.maxValue, 9e11);
  EXPECT_EQ(p.minValue, -9e11);
  EXPECT_EQ(p.decimalPlaces, 2);
  EXPECT_EQ(p.useSeparator, kFalse);
  EXPECT_EQ(p.mousePointer, 0);
  EXPECT_EQ(p.mouseIcon, nullptr);
  EXPECT_EQ(p.xpGetTheme, 0);
  EXPECT_EQ(p.winTheme, 0);
  EXPECT_EQ(p.winBorderColorOption, 0);
  EXPECT_EQ(p.buttonSpin, kFalse);
  EXPECT_EQ(p.buttonSpinArrowColor, 0x80000012u);
  EXPECT_EQ(p.buttonSpinIncrement, 1);
  EXPECT_EQ(p.buttonSpinMax, 100);
  EXPECT_EQ(p.buttonSpinMin, 0);
  EXPECT_EQ(p.buttonSpinEdit, 0);
  EXPECT_EQ(p.locked, kFalse);
}

TEST_P(LifecycleTest, BothFontsComeFromTheContainersAmbientFont) {
  platform_->Container().ambientFont = Font{.name = L"Tahoma", .size = 10, .bold = true};
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  Control().Initialize();
  Control().InitProperties();
  ASSERT_NE(Control().UserControl().GetFont(), nullptr);
  ASSERT_NE(Control().Text1().GetFont(), nullptr);
  EXPECT_EQ(Control().UserControl().GetFont()->name, L"Tahoma");
  EXPECT_TRUE(Control().Text1().GetFont()->bold);
  EXPECT_EQ(Control().Text1().GetFont()->size, 10);
  // The ambient font is asked for twice: the two parts do not share one object.
  EXPECT_NE(Control().UserControl().GetFont(), Control().Text1().GetFont());
}

TEST_P(LifecycleTest, TheTwoWindowsDiffer) {
  KovraDouble control(platform_->Get());
  EXPECT_NE(control.Text1().WindowHandle(), control.UserControl().WindowHandle());
}

KOVRA_RUN_ON_TEST_LOCALES(LifecycleTest);

}  // namespace
}  // namespace kovra::test
