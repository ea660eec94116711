#include "platform/win32/win32_pointer.h"

#include "platform/win32/handles.h"

namespace kovra::win32 {

ScreenPoint Win32Pointer::CursorPosition() {
  POINT at{};
  if (::GetCursorPos(&at) == FALSE) return {};
  return {static_cast<int>(at.x), static_cast<int>(at.y)};
}

std::uintptr_t Win32Pointer::WindowFromPoint(ScreenPoint point) {
  return ToWindowId(::WindowFromPoint(POINT{point.x, point.y}));
}

ScreenPoint Win32Pointer::ClientToScreen(std::uintptr_t window, ScreenPoint point) {
  POINT at{point.x, point.y};
  ::ClientToScreen(FromWindowId(window), &at);
  return {static_cast<int>(at.x), static_cast<int>(at.y)};
}

}  // namespace kovra::win32
