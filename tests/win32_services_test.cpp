// The real Windows platform's services against the expectations the headless ones set: the
// clipboard, message boxes (recorded and closed at once), timers on the message loop, and the
// visual-styles library.
#include <gtest/gtest.h>

#include <iostream>

#include "control/kovra_double.h"
#include "control/property_access.h"
#include "tests/support/win32_platform_fixture.h"
#include "tests/support/win32_probe.h"

namespace kovra::test {
namespace {

using namespace std::chrono_literals;

// ---- Clipboard ------------------------------------------------------------------------------

TEST_F(Win32PlatformTest, TheClipboardRoundTripsUnicodeText) {
  Clipboard& clipboard = Get().GetClipboard();
  const std::wstring text = L"1\u00A0234,5 \u20AC \u00FC\r\nzwei";
  clipboard.SetText(text);
  EXPECT_TRUE(win32_probe::ClipboardHasText());
  EXPECT_EQ(clipboard.GetText(), text);
  clipboard.SetText(L"");
  EXPECT_EQ(clipboard.GetText(), L"");
}

TEST_F(Win32PlatformTest, AClipboardWithoutTextReadsAsEmpty) {
  Get().GetClipboard().SetText(L"x");
  win32_probe::EmptyClipboard();
  EXPECT_FALSE(win32_probe::ClipboardHasText());
  EXPECT_EQ(Get().GetClipboard().GetText(), L"");
}

// ---- Message boxes --------------------------------------------------------------------------

TEST_F(Win32PlatformTest, MessageBoxesAreRecordedWithTextTitleAndIconAndClosedAtOnce) {
  MessageDialog& dialog = Get().GetMessageDialog();
  dialog.Show(0, kInvalidValueMessage, kErrorTitle, MessageIcon::Critical);
  dialog.Show(0, L"second", L"title 2", MessageIcon::Exclamation);
  dialog.Show(0, L"third", L"title 3", MessageIcon::Information);
  dialog.Show(0, L"fourth", L"title 4", MessageIcon::Question);
  const auto shown = platform_->Messages();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[0].text, kInvalidValueMessage);
  EXPECT_EQ(shown[0].title, kErrorTitle);
  EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(shown[1].text, L"second");
  EXPECT_EQ(shown[1].title, L"title 2");
  EXPECT_EQ(shown[1].icon, MessageIcon::Exclamation);
  EXPECT_EQ(shown[2].icon, MessageIcon::Information);
  EXPECT_EQ(shown[3].icon, MessageIcon::Question);
}

TEST_F(Win32PlatformTest, TestPlatformsMayEndInAnyOrderAndTheYoungestRecords) {
  auto second = MakeTestPlatform(TestLocales().front());
  auto third = MakeTestPlatform(TestLocales().front());
  second.reset();  // neither the oldest nor the youngest
  third->Get().GetMessageDialog().Show(0, L"to the third", L"t", MessageIcon::Information);
  platform_->Get().GetMessageDialog().Show(0, L"also", L"t", MessageIcon::Information);
  EXPECT_EQ(third->Messages().size(), 2u);
  third.reset();
  platform_->Get().GetMessageDialog().Show(0, L"to the first", L"t", MessageIcon::Critical);
  ASSERT_EQ(platform_->Messages().size(), 1u);
  EXPECT_EQ(platform_->Messages()[0].text, L"to the first");
}

// ---- Timers ---------------------------------------------------------------------------------

TEST_F(Win32PlatformTest, AnEnabledTimerTicksThroughTheMessageLoop) {
  auto timer = Get().CreateTimer();
  int ticks = 0;
  timer->SetHandler([&] { ++ticks; });
  timer->SetInterval(5);
  EXPECT_FALSE(timer->Enabled());
  timer->SetEnabled(true);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 5);
  EXPECT_TRUE(win32_probe::PumpMessagesUntil([&] { return ticks >= 3; }, 5s));
}

TEST_F(Win32PlatformTest, ATimerThatStopsInItsTickTicksOnce) {
  auto timer = Get().CreateTimer();
  int ticks = 0;
  timer->SetHandler([&] {
    ++ticks;
    timer->SetEnabled(false);
  });
  timer->SetInterval(1);
  timer->SetEnabled(true);
  EXPECT_TRUE(win32_probe::PumpMessagesUntil([&] { return ticks >= 1; }, 5s));
  win32_probe::PumpMessagesUntil([] { return false; }, 60ms);
  EXPECT_EQ(ticks, 1);
}

TEST_F(Win32PlatformTest, DisabledTimersAndTimersWithoutIntervalNeverTick) {
  auto disabled = Get().CreateTimer();
  auto zero = Get().CreateTimer();
  int ticks = 0;
  disabled->SetHandler([&] { ++ticks; });
  zero->SetHandler([&] { ++ticks; });
  disabled->SetInterval(1);
  disabled->SetEnabled(true);
  disabled->SetEnabled(false);
  zero->SetEnabled(true);
  zero->SetInterval(0);
  win32_probe::PumpMessagesUntil([] { return false; }, 60ms);
  EXPECT_EQ(ticks, 0);
}

// ---- System services ------------------------------------------------------------------------

TEST_F(Win32PlatformTest, TheVisualStylesLibraryIsFound) {
  EXPECT_TRUE(Get().GetSystem().ThemeLibraryAvailable());
}

// ---- Forms and the shell --------------------------------------------------------------------

TEST_F(Win32PlatformTest, TheShellReportsAFileItCannotOpenAsAFailureWithTheSystemsError) {
  const ShellOutcome outcome = Get().GetForms().ShellExecuteVerb(
      0, L"open", L"C:\\kovra-no-such-folder\\no-such-file.kovra");
  EXPECT_TRUE(outcome.Failed()) << outcome.result;
  if (outcome.errorNumber != 0) {
    EXPECT_FALSE(outcome.errorDescription.empty());
  }
  std::cout << "[ shell    ] result " << outcome.result << ", error " << outcome.errorNumber
            << " \"" << Narrow(outcome.errorDescription) << "\"\n";
}

TEST_F(Win32PlatformTest, AcercaShowsTheAboutBoxWithItsVersionLineAndReturnsWhenItCloses) {
  KovraDouble control(Get());
  control.Initialize();
  control.Invoke(L"Acerca");
  const auto shown = platform_->Messages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, L"About Control KovraDouble");
  EXPECT_NE(shown[0].text.find(L"Version: 1.0.1"), std::wstring::npos) << Narrow(shown[0].text);
}

}  // namespace
}  // namespace kovra::test
