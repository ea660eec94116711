// The control's windows on Windows: parked under the platform's hidden window until the control
// is given a parent, moved with their state when it changes, parked again when it goes.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "platform/win32/win32_platform.h"
#include "tests/support/win32_probe.h"

namespace kovra::test {
namespace {

TEST(Win32ControlLifeTest, TheWindowsMoveBetweenFormsAndThePlatformsParking) {
  win32::Win32Platform platform;
  win32_probe::Form first;
  win32_probe::Form second;
  KovraDouble control(platform);
  control.Initialize();
  EXPECT_FALSE(control.HasWindows());
  control.InitProperties();

  const std::uintptr_t window = control.UserControl().WindowHandle();
  EXPECT_EQ(win32_probe::ParentWindow(window), platform.ParkingWindow());
  EXPECT_EQ(control.UserControl().ParentWindow(), 0u);

  control.SetParentWindow(first.Window());
  EXPECT_EQ(win32_probe::ParentWindow(window), first.Window());
  EXPECT_EQ(win32_probe::ParentWindow(control.Text1().WindowHandle()), window);
  control.SetValue(L"42");

  control.SetParentWindow(second.Window());
  EXPECT_EQ(control.UserControl().ParentWindow(), second.Window());
  EXPECT_EQ(control.UserControl().WindowHandle(), window);

  control.SetParentWindow(0);
  EXPECT_EQ(win32_probe::ParentWindow(window), platform.ParkingWindow());
  EXPECT_EQ(control.Value(), L"42");
}

}  // namespace
}  // namespace kovra::test
