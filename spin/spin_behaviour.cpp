#include "spin/spin_behaviour.h"

#include "core/events.h"
#include "spin/spin_renderer.h"

namespace kovra {

namespace {
constexpr std::int16_t kLeftButton = 1;
constexpr int kFirstRepeat = 500;  // ms
constexpr int kNextRepeats = 70;   // ms
}  // namespace

void SpinController::Paint(bool up, std::uint8_t visualState) {
  PaintSpinButton(up ? SpinSide::Up : SpinSide::Down, visualState,
                  {up ? parts_.up : parts_.down, parts_.surface, parts_.drawing, parts_.state,
                   parts_.text1.Locked()});
}

std::wstring SpinController::GeneralText(double value) const {
  return GeneralNumberText(value, parts_.state.separators.decimal);
}

void SpinController::StepUp() {
  const PropertyMembers& p = parts_.state.properties;
  double number = 0;
  // A text that is not a number is left alone: there is nothing to step from.
  if (!TryParseNumber(parts_.text1.Text(), parts_.state.separators, number)) return;
  if (number >= p.buttonSpinMax) return;
  parts_.text1.SetText(GeneralText(number + p.buttonSpinIncrement));
  if (TryParseNumber(parts_.text1.Text(), parts_.state.separators, number) &&
      number > p.buttonSpinMax) {
    parts_.text1.SetText(GeneralText(p.buttonSpinMax));
  }
}

void SpinController::StepDown() {
  const PropertyMembers& p = parts_.state.properties;
  double number = 0;
  if (!TryParseNumber(parts_.text1.Text(), parts_.state.separators, number)) return;
  if (!(number > p.buttonSpinMin)) return;
  parts_.text1.SetText(GeneralText(number - p.buttonSpinIncrement));
  if (TryParseNumber(parts_.text1.Text(), parts_.state.separators, number) &&
      number < p.buttonSpinMin) {
    parts_.text1.SetText(GeneralText(p.buttonSpinMin));
  }
}

void SpinController::Press(bool up) {
  PropertyMembers& p = parts_.state.properties;
  if (up) {
    if (p.selLength == 0) {
      selectionOverride_ = 1;
      p.selLength = 1;  // no notification, no repaint
    }
    parts_.timer3.SetEnabled(true);
    direction_ = 0;
    Paint(true, button_state::Pressed);
    StepUp();
  } else {
    parts_.timer3.SetEnabled(true);
    Paint(false, button_state::Pressed);
    direction_ = 1;
    StepDown();
  }
}

void SpinController::Release(bool up) {
  if (up && selectionOverride_ == 1) {
    selectionOverride_ = 0;
    parts_.state.properties.selLength = 0;
  }
  parts_.timer3.SetEnabled(false);
  parts_.timer3.SetInterval(kFirstRepeat);
  if (up) parts_.text1.SetFocus();
  Paint(up, hot_ != 0 ? button_state::Hot : button_state::Normal);
  if (!up) parts_.text1.SetFocus();
  parts_.container.RaiseEvent(event::ButtonSpin, {});
}

void SpinController::MouseDown(bool up, std::int16_t button) {
  if (button == kLeftButton) Press(up);
}

void SpinController::DblClick(bool up) { Press(up); }

void SpinController::MouseUp(bool up, std::int16_t button) {
  if (button == kLeftButton) Release(up);
}

void SpinController::MouseMove(bool up, std::int16_t button, float x, float y) {
  if (button != 0) return;  // while a button is held the pressed look stays
  PictureSurface& surface = up ? parts_.up : parts_.down;
  const bool inside = x >= 0 && x < surface.ScaleWidth() && y >= 0 && y < surface.ScaleHeight();
  if (!inside || hot_ != 0) return;
  hotWindow_ = surface.WindowHandle();
  parts_.surface.SetMousePointer(1);  // arrow
  parts_.timer2.SetEnabled(true);
  hot_ = -1;
  Paint(up, button_state::Hot);
}

void SpinController::RestoreSurfacePointer() {
  const std::int32_t textPointer = parts_.text1.MousePointer();
  parts_.surface.SetMousePointer(textPointer > 0 ? parts_.state.properties.mousePointer
                                                 : 3);  // I-beam
}

void SpinController::Timer2_Timer() {
  Pointer& pointer = parts_.pointer;
  if (pointer.WindowFromPoint(pointer.CursorPosition()) == hotWindow_) return;
  RestoreSurfacePointer();
  if (hotWindow_ == parts_.up.WindowHandle()) {
    Paint(true, button_state::Normal);
  } else if (hotWindow_ == parts_.down.WindowHandle()) {
    Paint(false, button_state::Normal);
  }
  hot_ = 0;
  parts_.timer2.SetEnabled(false);
}

void SpinController::Timer3_Timer() {
  if (direction_ == 0) {
    StepUp();
  } else {
    StepDown();
  }
  parts_.timer3.SetInterval(kNextRepeats);
}

}  // namespace kovra
