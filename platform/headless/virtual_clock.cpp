#include "platform/headless/virtual_clock.h"

#include <algorithm>

namespace kovra::headless {

class VirtualTimer final : public Timer {
 public:
  explicit VirtualTimer(VirtualClock& clock) : clock_(clock) {}
  ~VirtualTimer() override { clock_.Forget(this); }

  void SetHandler(std::function<void()> onTick) override { onTick_ = std::move(onTick); }
  int Interval() const override { return interval_; }
  void SetInterval(int milliseconds) override {
    interval_ = milliseconds;
    Restart();
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    Restart();
  }

  // The moment of the next tick, or nothing when the timer does not run.
  bool Due(VirtualClock::Milliseconds& when) const {
    if (!enabled_ || interval_ <= 0) return false;
    when = nextTick_;
    return true;
  }
  void Fire() {
    nextTick_ += VirtualClock::Milliseconds(interval_);
    if (onTick_) onTick_();
  }

 private:
  void Restart() { nextTick_ = clock_.Now() + VirtualClock::Milliseconds(interval_); }

  VirtualClock& clock_;
  std::function<void()> onTick_;
  int interval_ = 0;
  bool enabled_ = false;
  VirtualClock::Milliseconds nextTick_{0};
};

std::unique_ptr<Timer> VirtualClock::CreateTimer() {
  auto timer = std::make_unique<VirtualTimer>(*this);
  timers_.push_back(timer.get());
  return timer;
}

void VirtualClock::Forget(VirtualTimer* timer) { std::erase(timers_, timer); }

void VirtualClock::Advance(Milliseconds span) {
  const Milliseconds end = now_ + span;
  for (;;) {
    VirtualTimer* next = nullptr;
    Milliseconds nextWhen{0};
    for (VirtualTimer* timer : timers_) {
      Milliseconds when{0};
      if (timer->Due(when) && when <= end && (next == nullptr || when < nextWhen)) {
        next = timer;
        nextWhen = when;
      }
    }
    if (next == nullptr) break;
    now_ = nextWhen;
    next->Fire();
  }
  now_ = end;
}

}  // namespace kovra::headless
