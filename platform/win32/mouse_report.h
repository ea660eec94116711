// Window procedures hand their mouse messages to the surface's receiver through this.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "platform/win32/mouse_messages.h"

namespace kovra::win32 {

// Hands a mouse message of `window` to its receiver; true when it was one. A handler's error has
// no caller to go to inside a window procedure: it is written to the debugger.
template <class Surface>
bool ReportMouseMessage(Surface& surface, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto n = DecodeMouseMessage(message, wParam, lParam);
  if (!n) return false;
  try {
    surface.ReportMouse(n->action, n->button, n->shift, n->x, n->y);
  } catch (const std::exception& e) {
    ::OutputDebugStringA((std::string("KovraDouble: mouse handler failed: ") + e.what()).c_str());
  }
  return true;
}

}  // namespace kovra::win32
