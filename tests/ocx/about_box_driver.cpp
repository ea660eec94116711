#include "tests/ocx/about_box_driver.h"

#include <utility>

namespace kovra::ocx_test {

namespace {

constexpr DISPID kAbout = -552;
constexpr UINT kActAfterMilliseconds = 50;

// What the running test does in the box; the timer procedure cannot carry it.
const std::function<void(HWND)>* acting = nullptr;

void CALLBACK ActInBox(HWND dialog, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(dialog, timer);
  ::UpdateWindow(dialog);
  if (acting != nullptr) (*acting)(dialog);
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace

HWND ChildWithText(HWND dialog, const wchar_t* className, const wchar_t* text) {
  return ::FindWindowExW(dialog, nullptr, className, text);
}

std::wstring FaceOf(HWND window) {
  auto* font = reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW description{};
  if (font == nullptr || ::GetObjectW(font, sizeof description, &description) == 0) return L"";
  return description.lfFaceName;
}

void AboutBoxTest::SetUp() {
  control_ = NewControl();
  ASSERT_TRUE(control_);
}

HRESULT AboutBoxTest::Acerca() { return Invoke(control_.get(), kAbout, DISPATCH_METHOD).result; }

HRESULT AboutBoxTest::AcercaActing(std::function<void(HWND)> act) {
  const std::function<void(HWND)> action = std::move(act);
  acting = &action;
  boxes_.OnDialog([this](HWND dialog) {
    shown_ = dialog;
    ::SetTimer(dialog, 1, kActAfterMilliseconds, &ActInBox);
    return true;
  });
  const HRESULT result = Acerca();
  boxes_.OnDialog(nullptr);
  acting = nullptr;
  return result;
}

}  // namespace kovra::ocx_test
