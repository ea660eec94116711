// The mouse pointer as the system knows it: where it is on the screen, which window is under
// it, and where a window's client origin lies on the screen.
#pragma once

#include <cstdint>

namespace kovra {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

class Pointer {
 public:
  virtual ~Pointer() = default;
  // GetCursorPos.
  virtual ScreenPoint CursorPosition() = 0;
  // WindowFromPoint: the window under `point` (0 for none).
  virtual std::uintptr_t WindowFromPoint(ScreenPoint point) = 0;
  // ClientToScreen: `point` in `window`'s client pixels on the screen.
  virtual ScreenPoint ClientToScreen(std::uintptr_t window, ScreenPoint point) = 0;
};

}  // namespace kovra
