#include "platform/win32/win32_timer.h"

#include <unordered_map>

#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

// The message-only window that carries the WM_TIMER of every timer of its thread, made with
// the thread's first timer and gone with its last. A tick finds its timer by identifier, so
// that one still queued for a timer that is gone finds none.
class Win32Timer::Carrier {
 public:
  static std::shared_ptr<Carrier> OfThisThread() {
    thread_local std::weak_ptr<Carrier> current;
    std::shared_ptr<Carrier> carrier = current.lock();
    if (!carrier) {
      carrier = std::make_shared<Carrier>();
      current = carrier;
    }
    return carrier;
  }

  Carrier() : window_(CreateOwnedWindow(CarrierClass(), 0, HWND_MESSAGE, 0, 0, this)) {}
  ~Carrier() { ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0); }
  Carrier(const Carrier&) = delete;
  Carrier& operator=(const Carrier&) = delete;

  HWND Window() const { return window_.get(); }

  UINT_PTR Add(Win32Timer& timer) {
    const UINT_PTR id = nextId_++;
    timers_.emplace(id, &timer);
    return id;
  }
  void Remove(UINT_PTR id) { timers_.erase(id); }

 private:
  static const WindowClass& CarrierClass() {
    static const WindowClass windowClass(L"KovraDoubleTimer", &Procedure, nullptr);
    return windowClass;
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* carrier = static_cast<Carrier*>(WindowOwner(window, message, lParam));
    if (message == WM_TIMER && carrier != nullptr) {
      const auto found = carrier->timers_.find(wParam);
      // The tick may end the timer and with it the carrier: nothing is touched after it.
      if (found != carrier->timers_.end()) found->second->Tick();
      return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
  }

  UniqueWindow window_;
  std::unordered_map<UINT_PTR, Win32Timer*> timers_;
  UINT_PTR nextId_ = 1;
};

Win32Timer::Win32Timer() : carrier_(Carrier::OfThisThread()), id_(carrier_->Add(*this)) {}

Win32Timer::~Win32Timer() {
  Stop();
  carrier_->Remove(id_);
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
  running_ = ::SetTimer(carrier_->Window(), id_, static_cast<UINT>(interval_), nullptr) != 0;
}

void Win32Timer::Stop() {
  if (running_) ::KillTimer(carrier_->Window(), id_);
  running_ = false;
}

void Win32Timer::Tick() {
  if (running_ && onTick_) {
    const std::function<void()> handler = onTick_;  // the handler may replace itself
    handler();
  }
}

}  // namespace kovra::win32
