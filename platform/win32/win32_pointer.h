// The real mouse pointer: GetCursorPos, WindowFromPoint and ClientToScreen.
#pragma once

#include "platform/pointer.h"

namespace kovra::win32 {

class Win32Pointer final : public Pointer {
 public:
  ScreenPoint CursorPosition() override;
  std::uintptr_t WindowFromPoint(ScreenPoint point) override;
  ScreenPoint ClientToScreen(std::uintptr_t window, ScreenPoint point) override;
};

}  // namespace kovra::win32
