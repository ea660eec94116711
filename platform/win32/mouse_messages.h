// Mouse messages and the control's mouse notifications, both ways: what a window's message
// means (button, shift, position), and the message that delivers a notification to a window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/mouse.h"

namespace kovra::win32 {

// The mouse buttons a message's or a drag's key state says are held (Left 1, Right 2, Middle 4).
std::int16_t ButtonsHeld(WPARAM keys);

struct MouseNotification {
  MouseAction action;
  std::int16_t button;  // the button pressed or released; for a move, the buttons held
  std::int16_t shift;
  float x;
  float y;
};

// The notification a mouse message carries, or nothing for another message. A left-button
// release is reported as Up; the caller adds the Click that follows it.
std::optional<MouseNotification> DecodeMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);

// Sends `window` the message of a notification (a Click is not a message: false).
bool SendMouseMessage(HWND window, MouseAction action, std::int16_t button, std::int16_t shift,
                      float x, float y);

}  // namespace kovra::win32
