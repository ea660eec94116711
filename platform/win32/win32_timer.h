// A timer whose WM_TIMER arrives through the thread's message loop and calls the handler on the
// user-interface thread. The timers of a thread share one message-only window, each with an
// identifier of its own, so that a control's three timers cost no window each.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/timer.h"

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
  class Carrier;
  friend class Carrier;

  // The carrier's WM_TIMER for this timer.
  void Tick();
  // Sets or kills the system timer to match Enabled and Interval, counting from now.
  void Restart();
  void Stop();

  std::function<void()> onTick_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;  // a system timer is set
  std::shared_ptr<Carrier> carrier_;
  UINT_PTR id_;
};

}  // namespace kovra::win32
