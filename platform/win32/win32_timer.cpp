#include "platform/win32/win32_timer.h"

#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

constexpr UINT_PTR kTimerId = 1;

const WindowClass& TimerClass(WNDPROC procedure) {
  static const WindowClass windowClass(L"KovraDoubleTimer", procedure, nullptr);
  return windowClass;
}

}  // namespace

Win32Timer::Win32Timer()
    : window_(CreateOwnedWindow(TimerClass(&Procedure), 0, HWND_MESSAGE, 0, 0, this)) {}

Win32Timer::~Win32Timer() {
  Stop();
  ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void Win32Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void Win32Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

void Win32Timer::Restart() {
  if (!enabled_ || interval_ <= 0) return Stop();
  // Setting the same timer again replaces it and counts from now.
  running_ = ::SetTimer(window_.get(), kTimerId, static_cast<UINT>(interval_), nullptr) != 0;
}

void Win32Timer::Stop() {
  if (running_) ::KillTimer(window_.get(), kTimerId);
  running_ = false;
}

LRESULT CALLBACK Win32Timer::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* timer = static_cast<Win32Timer*>(WindowOwner(window, message, lParam));
  if (message == WM_TIMER && wParam == kTimerId && timer != nullptr) {
    if (timer->running_ && timer->onTick_) {
      const std::function<void()> handler = timer->onTick_;  // the handler may replace itself
      handler();
    }
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kovra::win32
