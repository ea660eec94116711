// Focus changes of one of the control's windows, for whoever places the control in a container:
// the window gained the focus (`other`: the window that had it) or lost it (`other`: the window
// that takes it; either may be nullptr).
#pragma once

#include <windows.h>

#include <functional>

namespace kovra::win32 {

enum class FocusChange { Gained, Lost };

using FocusObserver = std::function<void(FocusChange change, HWND other)>;

}  // namespace kovra::win32
