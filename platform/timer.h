// A timer that ticks on the user-interface thread at its interval while it is enabled.
#pragma once

#include <functional>

namespace kovra {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetHandler(std::function<void()> onTick) = 0;
  virtual int Interval() const = 0;  // milliseconds
  virtual void SetInterval(int milliseconds) = 0;
  virtual bool Enabled() const = 0;
  // Enabling (re)starts the count from now; disabling stops it.
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace kovra
