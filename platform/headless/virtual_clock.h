// Time that passes only when a test says so: timers fire their due ticks in time order while
// the clock is advanced, so a second of holding a key is an exact, instant test.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/timer.h"

namespace kovra::headless {

class VirtualTimer;

class VirtualClock {
 public:
  using Milliseconds = std::chrono::milliseconds;

  Milliseconds Now() const { return now_; }
  // Moves time forward by `span`, firing every tick that falls due on the way, in time order
  // (timers due at the same moment fire in the order they were made).
  void Advance(Milliseconds span);

  std::unique_ptr<Timer> CreateTimer();

 private:
  friend class VirtualTimer;
  void Forget(VirtualTimer* timer);

  Milliseconds now_{0};
  std::vector<VirtualTimer*> timers_;
};

}  // namespace kovra::headless
