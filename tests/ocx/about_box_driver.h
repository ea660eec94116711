// The About box as the tests open it: the control's Acerca (dispatch identifier -552) with the
// thread's message boxes recorded, and a driver that acts in the box from a timer inside its
// modal loop, once it has painted, as a user would, and then presses OK.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/win32/test_support/message_box_recorder.h"
#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {

// The child of `dialog` of class `className` whose text is `text`; nullptr when none is.
HWND ChildWithText(HWND dialog, const wchar_t* className, const wchar_t* text);
// The face name of the font a window draws its text with.
std::wstring FaceOf(HWND window);

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override;
  HRESULT Acerca();
  // Acerca, with `act` run on the box's window once the box shows and has painted; OK is pressed
  // after it. The window, gone by the time Acerca returns, is kept in `shown_`.
  HRESULT AcercaActing(std::function<void(HWND)> act);

  ComPtr<IDispatch> control_;
  win32::MessageBoxRecorder boxes_;
  HWND shown_ = nullptr;
};

}  // namespace kovra::ocx_test
