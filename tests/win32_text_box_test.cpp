// Text1 as a real EDIT window against the expectations the headless box sets: assignment and
// its change notification, keys in the order Windows delivers them with the caller's Shift
// state, the handlers' right to change or cancel a key, clipboard keys, locking, fonts, focus,
// and a box whose window went first.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "base/control_error.h"
#include "platform/headless/headless_text_box.h"
#include "tests/support/win32_platform_fixture.h"
#include "tests/support/win32_probe.h"

namespace kovra::test {
namespace {

using namespace std::chrono_literals;

// Everything a text box tells its owner, as readable lines, and hooks that change the
// by-reference arguments the way a handler may.
class EventLog final : public TextBoxEvents {
 public:
  explicit EventLog(TextBox*& box) : box_(box) {}

  void Text1_Change() override {
    ++changes;
    std::ostringstream line;
    line << "Change " << Narrow(box_->Text()) << " @" << box_->SelStart() << '+'
         << box_->SelLength();
    lines.push_back(line.str());
    if (onChange) onChange();
  }
  void Text1_KeyPress(std::int16_t& keyAscii) override {
    lines.push_back("KeyPress " + std::to_string(keyAscii));
    if (onKeyPress) onKeyPress(keyAscii);
  }
  void Text1_KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
    lines.push_back("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
    if (onKeyDown) onKeyDown(keyCode);
  }
  void Text1_KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
    lines.push_back("KeyUp " + std::to_string(keyCode) + " " + std::to_string(shift));
  }

  int changes = 0;
  std::vector<std::string> lines;
  std::function<void()> onChange;
  std::function<void(std::int16_t&)> onKeyPress;
  std::function<void(std::int16_t&)> onKeyDown;

 private:
  TextBox*& box_;
};

class Win32TextBoxTest : public Win32PlatformTest {
 protected:
  Win32TextBoxTest()
      : surface_(Get().CreateControlSurface()), text1_(Get().CreateTextBox(*surface_)) {
    box_ = text1_.get();
    text1_->SetEvents(&log_);
  }
  ~Win32TextBoxTest() override {
    if (text1_) text1_->SetEvents(nullptr);
  }

  TextBox& Box() { return *text1_; }
  // The user presses a key in Text1.
  void Press(std::int16_t keyCode, std::int16_t shift, wchar_t character) {
    platform_->PressKey(Box(), keyCode, shift, character);
  }

  std::unique_ptr<ControlSurface> surface_;
  std::unique_ptr<TextBox> text1_;
  TextBox* box_ = nullptr;
  EventLog log_{box_};
};

TEST_F(Win32TextBoxTest, IsASingleLineEditChildOfTheControlWindow) {
  ASSERT_NE(Box().WindowHandle(), 0u);
  ASSERT_NE(surface_->WindowHandle(), 0u);
  EXPECT_NE(Box().WindowHandle(), surface_->WindowHandle());
  EXPECT_EQ(win32_probe::WindowClassName(Box().WindowHandle()), L"Edit");
  EXPECT_EQ(win32_probe::WindowClassName(surface_->WindowHandle()), L"KovraDoubleSurface");
  EXPECT_EQ(win32_probe::ParentWindow(Box().WindowHandle()), surface_->WindowHandle());
  EXPECT_TRUE(Box().Text().empty());
  EXPECT_FALSE(Box().Locked());
}

TEST_F(Win32TextBoxTest, AssigningNotifiesOnceInsideTheAssignmentWithTheCaretAlreadyAtZero) {
  Box().SetText(L"12345");
  Box().SetSelStart(2);
  Box().SetSelLength(2);
  log_.lines.clear();
  log_.changes = 0;

  Box().SetText(L"678");
  EXPECT_EQ(log_.lines, std::vector<std::string>{"Change 678 @0+0"});
  EXPECT_EQ(Box().SelStart(), 0);
  EXPECT_EQ(Box().SelLength(), 0);
  // Nothing arrives later through the message loop either.
  win32_probe::PumpMessagesUntil([] { return false; }, 20ms);
  EXPECT_EQ(log_.changes, 1);
}

TEST_F(Win32TextBoxTest, AssigningTheSameTextNotifiesAgain) {
  Box().SetText(L"5");
  Box().SetText(L"5");
  Box().SetText(L"");
  Box().SetText(L"");
  EXPECT_EQ(log_.changes, 4);
}

TEST_F(Win32TextBoxTest, ACaretPlacedByTheChangeHandlerStays) {
  log_.onChange = [this] { Box().SetSelStart(3); };
  Box().SetText(L"12345");
  EXPECT_EQ(Box().SelStart(), 3);
  EXPECT_EQ(Box().SelLength(), 0);
}

TEST_F(Win32TextBoxTest, AnAssignmentInsideTheChangeHandlerNotifiesInOrder) {
  log_.onChange = [this] {
    if (Box().Text() == L"1") Box().SetText(L"1.00");
  };
  Box().SetText(L"1");
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"Change 1 @0+0", "Change 1.00 @0+0"}));
  EXPECT_EQ(Box().Text(), L"1.00");
  EXPECT_EQ(Box().SelStart(), 0);
}

TEST_F(Win32TextBoxTest, KeysArriveAsDownCharUpWithTheCallersShiftState) {
  Press(kVkA, kShift, L'A');
  Press(headless::key::Home, kCtrl, 0);
  EXPECT_EQ(log_.lines, (std::vector<std::string>{"KeyDown 65 1", "KeyPress 65", "Change A @1+0",
                                                  "KeyUp 65 1", "KeyDown 36 2", "KeyUp 36 2"}));
}

TEST_F(Win32TextBoxTest, AKeyCodeZeroedOnKeyDownNeverReachesTheEdit) {
  Box().SetText(L"123");
  log_.lines.clear();
  log_.onKeyDown = [](std::int16_t& keyCode) { keyCode = 0; };
  Press(headless::key::Delete, 0, 0);
  Press(headless::key::End, 0, 0);
  EXPECT_EQ(Box().Text(), L"123");
  EXPECT_EQ(Box().SelStart(), 0);
  // Key-up still reports the key as pressed.
  EXPECT_EQ(log_.lines,
            (std::vector<std::string>{"KeyDown 46 0", "KeyUp 46 0", "KeyDown 35 0", "KeyUp 35 0"}));
}

TEST_F(Win32TextBoxTest, TheKeyPressHandlerDecidesWhichCharacterIsInserted) {
  log_.onKeyPress = [](std::int16_t& keyAscii) {
    if (keyAscii == '1') keyAscii = '7';
    if (keyAscii == '2') keyAscii = 0;
  };
  Press('1', 0, L'1');
  Press('2', 0, L'2');
  Press('3', 0, L'3');
  EXPECT_EQ(Box().Text(), L"73");
  EXPECT_EQ(log_.changes, 2);
}

TEST_F(Win32TextBoxTest, AChangeHandlerMayUseTheClipboardDuringAPaste) {
  Clipboard& clipboard = Get().GetClipboard();
  Box().SetText(L"12");
  clipboard.SetText(L"345");
  log_.onChange = [&] {
    if (clipboard.GetText() == L"345") clipboard.SetText(L"saved");
  };
  Press(kVkV, kCtrl, 22);
  Press(kVkV, kCtrl, 22);
  EXPECT_EQ(Box().Text(), L"345saved12");
  EXPECT_EQ(clipboard.GetText(), L"saved");
}

TEST_F(Win32TextBoxTest, AnErrorInAHandlerReachesTheCallerAndEndsTheKey) {
  log_.onKeyDown = [](std::int16_t& keyCode) {
    if (keyCode == '1') throw ControlError(ErrorCode::Overflow);
  };
  EXPECT_THROW(Press('1', 0, L'1'), ControlError);
  EXPECT_EQ(log_.lines, std::vector<std::string>{"KeyDown 49 0"});  // no character, no key-up
  EXPECT_EQ(Box().Text(), L"");

  log_.onChange = [this] {
    if (Box().Text() == L"bad") throw ControlError(ErrorCode::TypeMismatch);
  };
  try {
    Box().SetText(L"bad");
    ADD_FAILURE() << "no error";
  } catch (const ControlError& e) {
    EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
  }
  // The box goes on working.
  Press('2', 0, L'2');
  EXPECT_EQ(Box().Text(), L"2bad");
}

TEST_F(Win32TextBoxTest, ALockedBoxRefusesTheUserButNotTheProgram) {
  Box().SetText(L"1234");
  Box().SetLocked(true);
  EXPECT_TRUE(Box().Locked());
  Box().SetSelStart(2);
  Press('5', 0, L'5');
  Press(headless::key::Back, 0, 8);
  Press(headless::key::Delete, 0, 0);
  EXPECT_EQ(Box().Text(), L"1234");
  Box().SetText(L"99");
  EXPECT_EQ(Box().Text(), L"99");
  Box().SetLocked(false);
  EXPECT_FALSE(Box().Locked());
}

TEST_F(Win32TextBoxTest, FontsAreKeptAsObjectsAndGivenToTheWindows) {
  auto font = std::make_shared<Font>(Font{L"Plain Sans", 12.0f, true, true, false, false});
  Box().SetFont(font);
  surface_->SetFont(font);
  EXPECT_EQ(Box().GetFont(), font);
  EXPECT_EQ(surface_->GetFont(), font);
  for (std::uintptr_t window : {Box().WindowHandle(), surface_->WindowHandle()}) {
    const auto facts = win32_probe::WindowFont(window);
    ASSERT_TRUE(facts.has_value());
    EXPECT_EQ(facts->face, L"Plain Sans");
    EXPECT_EQ(facts->height, win32_probe::CharacterHeight(12.0f));
    EXPECT_TRUE(facts->bold);
    EXPECT_TRUE(facts->italic);
    EXPECT_FALSE(facts->underline);
  }
}

TEST_F(Win32TextBoxTest, TakingTheFocusMovesTheKeyboardFocusToTheEdit) {
  Box().SetFocus();
  EXPECT_EQ(win32_probe::FocusWindow(), Box().WindowHandle());
}

TEST_F(Win32TextBoxTest, ATextBoxWhoseWindowWentWithItsParentLetsGoOfIt) {
  const std::uintptr_t edit = Box().WindowHandle();
  surface_.reset();  // destroys the EDIT child too
  EXPECT_EQ(Box().WindowHandle(), 0u);
  EXPECT_EQ(win32_probe::WindowClassName(edit), L"");
  text1_.reset();  // must not touch the dead handle
}

TEST_F(Win32TextBoxTest, PastingWithNoTextOnTheClipboardChangesNothing) {
  Box().SetText(L"12345");
  Box().SetSelStart(1);
  Box().SetSelLength(2);
  win32_probe::EmptyClipboard();
  Press(kVkV, kCtrl, 22);
  EXPECT_EQ(Box().Text(), L"12345");
  EXPECT_EQ(Box().SelLength(), 2);
  EXPECT_EQ(log_.changes, 1);
}

}  // namespace
}  // namespace kovra::test
