// The spin buttons at work: a left press on Up adds ButtonSpinIncrement to the number, on Down
// subtracts it, both clamped to ButtonSpinMin..ButtonSpinMax; a held button repeats after
// 500 ms and then every 70 ms (Timer3); the button under the pointer looks hot until Timer2
// sees the pointer leave; a release puts the focus into Text1 and raises ButtonSpin. A step
// rewrites Text1's text through the change handling, never through Value, and shows no message.
#pragma once

#include <cstdint>

namespace kovra {

class KovraDouble;

class SpinController {
 public:
  explicit SpinController(KovraDouble& control) : control_(control) {}

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
  // The pointer rule of the surface: the text box's pointer, or the I-beam by default.
  void RestoreSurfacePointer();

  KovraDouble& control_;
  std::uint8_t direction_ = 0;          // 0 up, 1 down: the running repeat's direction
  std::uint8_t selectionOverride_ = 0;  // 1 while a press of Up has SelLength at 1
  std::int32_t hot_ = 0;                // -1 while a button is hot and Timer2 watches it
  std::uintptr_t hotWindow_ = 0;        // the window of the hot button
};

}  // namespace kovra
