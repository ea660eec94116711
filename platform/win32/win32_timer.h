// A timer on a message-only window of its own: WM_TIMER arrives through the thread's message
// loop and calls the handler on the user-interface thread.
#pragma once

#include <windows.h>

#include "platform/timer.h"
#include "platform/win32/handles.h"

namespace kovra::win32 {

class Win32Timer final : public Timer {
 public:
  Win32Timer();
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  void SetHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
  int Interval() const override { return interval_; }
  // A running timer restarts its count with the new interval; 0 stops the ticks.
  void SetInterval(int milliseconds) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Sets or kills the system timer to match Enabled and Interval, counting from now.
  void Restart();
  void Stop();

  std::function<void()> onTick_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;  // a system timer is set
  UniqueWindow window_;
};

}  // namespace kovra::win32
