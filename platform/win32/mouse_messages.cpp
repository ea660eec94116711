#include "platform/win32/mouse_messages.h"

#include <cmath>

namespace kovra::win32 {

namespace {

std::int16_t ShiftOf(WPARAM keys) {
  std::int16_t shift = 0;
  if ((keys & MK_SHIFT) != 0) shift |= 1;
  if ((keys & MK_CONTROL) != 0) shift |= 2;
  if (::GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

WPARAM KeysOf(std::int16_t buttons, std::int16_t shift) {
  WPARAM keys = 0;
  if ((buttons & mouse_button::Left) != 0) keys |= MK_LBUTTON;
  if ((buttons & mouse_button::Right) != 0) keys |= MK_RBUTTON;
  if ((buttons & 4) != 0) keys |= MK_MBUTTON;
  if ((shift & 1) != 0) keys |= MK_SHIFT;
  if ((shift & 2) != 0) keys |= MK_CONTROL;
  return keys;
}

}  // namespace

std::int16_t ButtonsHeld(WPARAM keys) {
  std::int16_t buttons = 0;
  if ((keys & MK_LBUTTON) != 0) buttons |= mouse_button::Left;
  if ((keys & MK_RBUTTON) != 0) buttons |= mouse_button::Right;
  if ((keys & MK_MBUTTON) != 0) buttons |= 4;
  return buttons;
}

std::optional<MouseNotification> DecodeMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto x = static_cast<float>(static_cast<short>(LOWORD(lParam)));
  const auto y = static_cast<float>(static_cast<short>(HIWORD(lParam)));
  const std::int16_t shift = ShiftOf(wParam);
  const auto make = [&](MouseAction action, std::int16_t button) {
    return MouseNotification{action, button, shift, x, y};
  };
  switch (message) {
    case WM_LBUTTONDOWN:
      return make(MouseAction::Down, mouse_button::Left);
    case WM_RBUTTONDOWN:
      return make(MouseAction::Down, mouse_button::Right);
    case WM_MBUTTONDOWN:
      return make(MouseAction::Down, 4);
    case WM_LBUTTONUP:
      return make(MouseAction::Up, mouse_button::Left);
    case WM_RBUTTONUP:
      return make(MouseAction::Up, mouse_button::Right);
    case WM_MBUTTONUP:
      return make(MouseAction::Up, 4);
    case WM_LBUTTONDBLCLK:
      return make(MouseAction::DblClick, mouse_button::Left);
    case WM_MOUSEMOVE:
      return make(MouseAction::Move, ButtonsHeld(wParam));
    default:
      return std::nullopt;
  }
}

bool SendMouseMessage(HWND window, MouseAction action, std::int16_t button, std::int16_t shift,
                      float x, float y) {
  UINT message = 0;
  WPARAM keys = KeysOf(button, shift);
  const bool right = button == mouse_button::Right;
  switch (action) {
    case MouseAction::Down:
      message = right ? WM_RBUTTONDOWN : button == 4 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
      break;
    case MouseAction::Up:
      message = right ? WM_RBUTTONUP : button == 4 ? WM_MBUTTONUP : WM_LBUTTONUP;
      keys = KeysOf(0, shift);  // the released button is no longer held
      break;
    case MouseAction::Move:
      message = WM_MOUSEMOVE;
      break;
    case MouseAction::DblClick:
      message = WM_LBUTTONDBLCLK;
      keys = KeysOf(mouse_button::Left, shift);
      break;
    case MouseAction::Click:
      return false;
  }
  const auto px = static_cast<int>(std::lround(x));
  const auto py = static_cast<int>(std::lround(y));
  ::SendMessageW(window, message, keys, MAKELPARAM(px, py));
  return true;
}

}  // namespace kovra::win32
