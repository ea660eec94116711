#include "tests/ocx/about_box_driver.h"

#include <utility>

#include "tools/container/dialog_visit.h"

namespace kovra::ocx_test {

namespace {

constexpr DISPID kAbout = -552;

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
  container::VisitNextDialog(boxes_, [this, act = std::move(act)](HWND dialog) {
    shown_ = dialog;
    if (act) act(dialog);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return false;
  });
  return Acerca();
}

}  // namespace kovra::ocx_test
