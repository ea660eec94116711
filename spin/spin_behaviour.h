// The spin buttons at work: a left press on Up adds ButtonSpinIncrement to the number, on Down
// subtracts it, both clamped to ButtonSpinMin..ButtonSpinMax; a held button repeats after
// 500 ms and then every 70 ms (Timer3); the button under the pointer looks hot until Timer2
// sees the pointer leave; a release puts the focus into Text1 and raises ButtonSpin. A step
// rewrites Text1's text through the change handling, never through Value, and shows no message.
#pragma once

#include <cstdint>

#include "core/control_state.h"
#include "platform/container.h"
#include "platform/control_surface.h"
#include "platform/drawing_services.h"
#include "platform/pointer.h"
#include "platform/surface_picture.h"
#include "platform/text_box.h"
#include "platform/timer.h"

namespace kovra {

// The parts of the control the spin buttons work on.
struct SpinParts {
  ControlState& state;
  TextBox& text1;
  ControlSurface& surface;  // UserControl
  PictureSurface& up;
  PictureSurface& down;
  Timer& timer2;  // the hot watch
  Timer& timer3;  // the repeat
  Pointer& pointer;
  DrawingServices& drawing;
  Container& container;
};

class SpinController {
 public:
  explicit SpinController(SpinParts parts) : parts_(parts) {}

  // The surfaces' notifications (X, Y in the surface's pixels; Button 1 is the left button).
  void MouseDown(bool up, std::int16_t button);
  void DblClick(bool up);
  void MouseUp(bool up, std::int16_t button);
  void MouseMove(bool up, std::int16_t button, float x, float y);
  // Timer2: the hot watch. Timer3: the repeat.
  void Timer2_Timer();
  void Timer3_Timer();

  std::uint8_t Direction() const { return direction_; }
  bool HotFlag() const { return hot_ != 0; }

 private:
  void Press(bool up);
  void Release(bool up);
  void StepUp();
  void StepDown();
  void Paint(bool up, std::uint8_t visualState);
  // `value` as the general numeric text with the locale's decimal separator.
  std::wstring GeneralText(double value) const;
  // The pointer rule of the surface: the text box's pointer, or the I-beam by default.
  void RestoreSurfacePointer();

  SpinParts parts_;
  std::uint8_t direction_ = 0;          // 0 up, 1 down: the running repeat's direction
  std::uint8_t selectionOverride_ = 0;  // 1 while a press of Up has SelLength at 1
  std::int32_t hot_ = 0;                // -1 while a button is hot and Timer2 watches it
  std::uintptr_t hotWindow_ = 0;        // the window of the hot button
};

}  // namespace kovra
