// Mouse input of a window (the control surface, the spin surfaces, the text box): who receives
// it, and delivering it as the platform would.
#pragma once

#include <cstdint>

namespace kovra {

enum class MouseAction { Down, Up, Move, Click, DblClick };

// Mouse buttons: 1 left, 2 right, 4 middle (0: none held).
namespace mouse_button {
inline constexpr std::int16_t Left = 1;
inline constexpr std::int16_t Right = 2;
}  // namespace mouse_button

class MouseEvents {
 public:
  virtual ~MouseEvents() = default;
  // `x`, `y` in the window's own pixels. Click and DblClick carry no position.
  virtual void OnMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                       float y) = 0;
};

// A window that reports mouse input to one receiver.
class MouseSource {
 public:
  virtual ~MouseSource() = default;
  // Registers the one receiver (nullptr: none).
  void SetMouseEvents(MouseEvents* events) { mouseEvents_ = events; }
  // The user's mouse input, delivered as the platform delivers it. The default hands it to the
  // receiver at once; a platform with real windows sends the window its own messages instead.
  // A left-button release is followed by a Click, as on Windows.
  virtual void DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                            float y) {
    Report(action, button, shift, x, y);
  }

 protected:
  // Reports one notification; a left-button release also reports the Click that follows it.
  void Report(MouseAction action, std::int16_t button, std::int16_t shift, float x, float y) {
    if (mouseEvents_ == nullptr) return;
    mouseEvents_->OnMouse(action, button, shift, x, y);
    if (action == MouseAction::Up && button == mouse_button::Left && mouseEvents_ != nullptr) {
      mouseEvents_->OnMouse(MouseAction::Click, 0, 0, 0, 0);
    }
  }

 private:
  MouseEvents* mouseEvents_ = nullptr;
};

}  // namespace kovra
