// A message box the control raises while the form closes: the box is owned by the form, so
// closing the form takes the box down with it; the control's call that raised it returns into a
// control whose windows are gone, and nothing of either is left behind.
#include <gtest/gtest.h>

#include "tests/ocx/container_support.h"
#include "tests/ocx/control_client.h"
#include "tests/ocx/resource_expectations.h"

namespace kovra::ocx_test {
namespace {

// What the timer that closes the form saw; one closing at a time on the test's thread.
struct Closing {
  HWND form = nullptr;
  HWND box = nullptr;
  bool answeredByHand = false;  // the box outlived the form and had to be answered
};
Closing* closing = nullptr;

// Runs inside the box's modal loop: the form is asked to close as a user or the session would
// ask it, by WM_CLOSE.
void CALLBACK CloseTheForm(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND box = ::FindWindowW(L"#32770", nullptr);
  if (box != nullptr && ::GetWindow(box, GW_OWNER) == closing->form) closing->box = box;
  ::PostMessageW(closing->form, WM_CLOSE, 0, 0);
}

// A safety net so that a box that stays up fails the test instead of hanging it.
void CALLBACK AnswerALeftBox(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  if (closing->box != nullptr && ::IsWindow(closing->box)) {
    closing->answeredByHand = true;
    ::PostMessageW(closing->box, WM_COMMAND, IDOK, 0);
  }
}

// A form whose first control refuses its value in Validate with a box, closed while the box is
// up. Returns what the closing saw.
Closing CloseWhileValidateShowsABox() {
  const auto made = FormOf(2);
  Form& form = *made;
  IDispatch* first = form.Automation(0);
  EXPECT_EQ(Put(first, L"ButtonSpinEdit", Value(short{1})).result, S_OK);  // before the refresh
  EXPECT_EQ(Put(first, L"ButtonSpin", Boolean(true)).result, S_OK);
  form.Activate(0);
  form.Type(L"150");
  Closing seen{form.Window()};
  closing = &seen;
  const UINT_PTR close = ::SetTimer(nullptr, 0, 50, &CloseTheForm);
  const UINT_PTR net = ::SetTimer(nullptr, 0, 3000, &AnswerALeftBox);
  form.PressKey(VK_TAB);
  ::KillTimer(nullptr, close);
  ::KillTimer(nullptr, net);
  EXPECT_FALSE(::IsWindow(seen.form));
  EXPECT_TRUE(seen.box == nullptr || !::IsWindow(seen.box));
  HWND control = form.ControlWindow(0);
  EXPECT_TRUE(control == nullptr || !::IsWindow(control));
  EXPECT_TRUE(Logged(form.Frame().log, L"EnableModeless(0)"));
  EXPECT_TRUE(Logged(form.Frame().log, L"EnableModeless(1)"));
  closing = nullptr;
  return seen;
}

TEST(Container, ABoxOfValidateClosesWithTheFormLeavingNothingBehind) {
  const Closing first = CloseWhileValidateShowsABox();
  EXPECT_NE(first.box, nullptr);
  EXPECT_FALSE(first.answeredByHand);
  ExpectLivesLeaveNothing(
      20,
      [](int) {
        const Closing seen = CloseWhileValidateShowsABox();
        ASSERT_NE(seen.box, nullptr);
        ASSERT_FALSE(seen.answeredByHand);
      },
      64 * 1024);
}

}  // namespace
}  // namespace kovra::ocx_test
