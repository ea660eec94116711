// A control's life as a container drives it: made with no window and no site, given its site and
// a parent window later, moved, parked again and destroyed. The headless platform counts the
// windows it makes, so the test sees them made on demand and gone with their control.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "core/events.h"
#include "core/member_table.h"
#include "platform/headless/headless_platform.h"

namespace kovra::test {
namespace {

constexpr std::uintptr_t kForm = 0x500;
constexpr std::uintptr_t kOtherForm = 0x600;
constexpr int kWindowsOfAControl = 4;  // the surface, Text1, Up and Down

class ControlLifeTest : public ::testing::Test {
 protected:
  headless::HeadlessPlatform platform;
};

TEST_F(ControlLifeTest, WindowsAreMadeWhenAParentArrivesAndGoWithTheControl) {
  {
    KovraDouble control(platform);
    control.Initialize();
    control.SetContainer(&platform.container);
    EXPECT_FALSE(control.HasWindows());
    EXPECT_EQ(platform.windows.made, 0);

    control.SetParentWindow(kForm);
    EXPECT_TRUE(control.HasWindows());
    EXPECT_EQ(platform.windows.live, kWindowsOfAControl);
    EXPECT_EQ(control.UserControl().ParentWindow(), kForm);
    EXPECT_EQ(control.Text1().Text(), L"0.00");
  }
  EXPECT_EQ(platform.windows.live, 0);
}

TEST_F(ControlLifeTest, MovingAndParkingKeepTheWindowsAndTheNumber) {
  KovraDouble control(platform);
  control.Initialize();
  control.SetContainer(&platform.container);
  control.SetParentWindow(kForm);
  control.InitProperties();
  control.SetValue(L"12.5");
  const std::uintptr_t window = control.UserControl().WindowHandle();

  control.SetParentWindow(kOtherForm);
  EXPECT_EQ(control.UserControl().ParentWindow(), kOtherForm);
  EXPECT_EQ(control.UserControl().WindowHandle(), window);

  control.SetParentWindow(0);
  control.SetContainer(nullptr);
  EXPECT_EQ(control.UserControl().ParentWindow(), 0u);
  EXPECT_EQ(control.Value(), L"12.5");
  EXPECT_EQ(platform.windows.made, kWindowsOfAControl);

  control.SetContainer(&platform.container);
  control.SetParentWindow(kForm);
  EXPECT_EQ(control.UserControl().WindowHandle(), window);
  EXPECT_EQ(control.Value(), L"12.5");
}

TEST_F(ControlLifeTest, PropertiesSetBeforeAnyParentLiveInParkedWindows) {
  KovraDouble control(platform);
  control.Initialize();
  control.InitProperties();  // as a container's InitNew, before in-place activation
  EXPECT_TRUE(control.HasWindows());
  EXPECT_EQ(control.UserControl().ParentWindow(), 0u);
  control.PutProperty(L"DecimalPlaces", std::int16_t{3});
  control.SetValue(L"1.5");
  control.SetParentWindow(kForm);
  EXPECT_EQ(control.UserControl().ParentWindow(), kForm);
  EXPECT_EQ(control.Value(), L"1.5");
  EXPECT_EQ(platform.windows.made, kWindowsOfAControl);
}

TEST_F(ControlLifeTest, WithoutAContainerNoOneHearsAndTheStandardAmbientsApply) {
  KovraDouble control(platform);
  control.Initialize();
  control.InitProperties();
  control.PutProperty(L"BackColor", std::int32_t{255});
  control.PutProperty(L"WinBorderWidth", std::int16_t{0});  // refused: the message has no owner
  EXPECT_TRUE(platform.container.changedProperties.empty());
  EXPECT_TRUE(platform.container.events.empty());
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown.front().owner, 0u);
  EXPECT_EQ(*control.Text1().GetFont(), Font{});
}

TEST_F(ControlLifeTest, EachControlReportsToItsOwnContainer) {
  headless::RecordingContainer first;
  headless::RecordingContainer second;
  second.dialogOwner = kOtherForm;
  KovraDouble a(platform);
  KovraDouble b(platform);
  for (auto [control, site] : {std::pair{&a, &first}, std::pair{&b, &second}}) {
    control->SetContainer(site);
    control->Initialize();
    control->InitProperties();
    site->changedProperties.clear();
    site->changedDispatchIds.clear();
    site->events.clear();
  }
  a.PutProperty(L"DecimalPlaces", std::int16_t{1});
  b.PutProperty(L"ButtonSpinIncrement", -1.0);
  b.SetValue(L"7");
  EXPECT_EQ(first.changedProperties, std::vector<std::wstring>{L"DecimalPlaces"});
  EXPECT_EQ(first.changedDispatchIds,
            std::vector<std::int32_t>{FindMember(L"DecimalPlaces")->dispatchId});
  EXPECT_EQ(second.changedProperties, std::vector<std::wstring>{L"Value"});
  EXPECT_EQ(second.changedDispatchIds, std::vector<std::int32_t>{kValueDispatchId});
  ASSERT_EQ(second.events.size(), 1u);
  EXPECT_EQ(second.events.front().dispatchId, event::Change);
  ASSERT_EQ(platform.messages.shown.size(), 1u);
  EXPECT_EQ(platform.messages.shown.front().owner, kOtherForm);
}

}  // namespace
}  // namespace kovra::test
