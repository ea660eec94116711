// Initialize and InitProperties: the separators the locale probe finds, the order that leaves
// the text box holding a bare 0, and the fonts taken from the container.
#include <gtest/gtest.h>

#include "testing/control_probe.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

class LifecycleTest : public ControlTest {
 protected:
  void SetUp() override {}  // each test drives the lifecycle itself
};

TEST_P(LifecycleTest, TheLocaleProbeFindsTheLocalesOwnSeparators) {
  const auto known = KnownSeparators(GetParam());
  if (!known) GTEST_SKIP() << "this run names no separators for its locale";
  KovraDouble control(platform_->Get());
  control.Initialize();
  EXPECT_EQ(probe::State(control).separators.decimal, known->decimal);
  EXPECT_EQ(probe::State(control).separators.group, known->group);
}

TEST_P(LifecycleTest, InitPropertiesLeavesABareZeroBeforeTheFirstRefresh) {
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  platform_->Seat(*control_);
  Control().Initialize();
  Control().InitProperties();
  // The Value write ran while DecimalPlaces was still 0: no decimals yet.
  EXPECT_EQ(Text(), L"0");
  EXPECT_EQ(probe::State(Control()).firstUndoText, L"0");
  EXPECT_EQ(probe::State(Control()).newInstance, 1);
  EXPECT_EQ(EventNames(), std::vector<std::wstring>{L"Change"});
  // Only the Value write notifies; the defaults are stored silently.
  EXPECT_EQ(platform_->Container().changedProperties, std::vector<std::wstring>{L"Value"});
}

TEST_P(LifecycleTest, BothFontsComeFromTheContainersAmbientFont) {
  platform_->Container().ambientFont = Font{.name = L"Plain Sans", .size = 10, .bold = true};
  control_ = std::make_unique<KovraDouble>(platform_->Get());
  platform_->Seat(*control_);
  Control().Initialize();
  Control().InitProperties();
  ASSERT_NE(Control().UserControl().GetFont(), nullptr);
  ASSERT_NE(Control().Text1().GetFont(), nullptr);
  EXPECT_EQ(Control().UserControl().GetFont()->name, L"Plain Sans");
  EXPECT_TRUE(Control().Text1().GetFont()->bold);
  EXPECT_EQ(Control().Text1().GetFont()->size, 10);
  // The ambient font is asked for twice: the two parts do not share one object.
  EXPECT_NE(Control().UserControl().GetFont(), Control().Text1().GetFont());
}

KOVRA_RUN_ON_TEST_LOCALES(LifecycleTest);

}  // namespace
}  // namespace kovra::test
