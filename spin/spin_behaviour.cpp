#include "spin/spin_behaviour.h"

#include "core/events.h"
#include "core/kovra_double.h"
#include "spin/spin_renderer.h"

namespace kovra {

namespace {
constexpr std::int16_t kLeftButton = 1;
constexpr int kFirstRepeat = 500;  // ms
constexpr int kNextRepeats = 70;   // ms
}  // namespace

void SpinController::Paint(bool up, std::uint8_t visualState) {
  if (up) {
    control_.PaintUpButton(visualState);
  } else {
    control_.PaintDownButton(visualState);
  }
}

void SpinController::StepUp() {
  EntryEngine& entry = control_.Entry();
  const PropertyMembers& p = control_.State().properties;
  double number = 0;
  // A text that is not a number is left alone: there is nothing to step from.
  if (!TryParseNumber(control_.Text1().Text(), control_.State().separators, number)) return;
  if (number >= p.buttonSpinMax) return;
  control_.Text1().SetText(entry.GeneralText(number + p.buttonSpinIncrement));
  if (TryParseNumber(control_.Text1().Text(), control_.State().separators, number) &&
      number > p.buttonSpinMax) {
    control_.Text1().SetText(entry.GeneralText(p.buttonSpinMax));
  }
}

void SpinController::StepDown() {
  EntryEngine& entry = control_.Entry();
  const PropertyMembers& p = control_.State().properties;
  double number = 0;
  if (!TryParseNumber(control_.Text1().Text(), control_.State().separators, number)) return;
  if (!(number > p.buttonSpinMin)) return;
  control_.Text1().SetText(entry.GeneralText(number - p.buttonSpinIncrement));
  if (TryParseNumber(control_.Text1().Text(), control_.State().separators, number) &&
      number < p.buttonSpinMin) {
    control_.Text1().SetText(entry.GeneralText(p.buttonSpinMin));
  }
}

void SpinController::Press(bool up) {
  PropertyMembers& p = control_.State().properties;
  if (up) {
    if (p.selLength == 0) {
      selectionOverride_ = 1;
      p.selLength = 1;  // no notification, no repaint
    }
    control_.Timer3().SetEnabled(true);
    direction_ = 0;
    Paint(true, button_state::Pressed);
    StepUp();
  } else {
    control_.Timer3().SetEnabled(true);
    Paint(false, button_state::Pressed);
    direction_ = 1;
    StepDown();
  }
}

void SpinController::Release(bool up) {
  if (up && selectionOverride_ == 1) {
    selectionOverride_ = 0;
    control_.State().properties.selLength = 0;
  }
  control_.Timer3().SetEnabled(false);
  control_.Timer3().SetInterval(kFirstRepeat);
  if (up) control_.Text1().SetFocus();
  Paint(up, hot_ != 0 ? button_state::Hot : button_state::Normal);
  if (!up) control_.Text1().SetFocus();
  control_.GetPlatform().GetContainer().RaiseEvent(event::ButtonSpin, {});
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
  PictureSurface& surface = up ? control_.Up() : control_.Down();
  const bool inside = x >= 0 && x < surface.ScaleWidth() && y >= 0 && y < surface.ScaleHeight();
  if (!inside || hot_ != 0) return;
  hotWindow_ = surface.WindowHandle();
  control_.UserControl().SetMousePointer(1);  // arrow
  control_.Timer2().SetEnabled(true);
  hot_ = -1;
  Paint(up, button_state::Hot);
}

void SpinController::RestoreSurfacePointer() {
  const std::int32_t textPointer = control_.Text1().MousePointer();
  control_.UserControl().SetMousePointer(textPointer > 0 ? control_.State().properties.mousePointer
                                                         : 3);  // I-beam
}

void SpinController::Timer2_Timer() {
  Pointer& pointer = control_.GetPlatform().GetPointer();
  if (pointer.WindowFromPoint(pointer.CursorPosition()) == hotWindow_) return;
  RestoreSurfacePointer();
  if (hotWindow_ == control_.Up().WindowHandle()) {
    Paint(true, button_state::Normal);
  } else if (hotWindow_ == control_.Down().WindowHandle()) {
    Paint(false, button_state::Normal);
  }
  hot_ = 0;
  control_.Timer2().SetEnabled(false);
}

void SpinController::Timer3_Timer() {
  if (direction_ == 0) {
    StepUp();
  } else {
    StepDown();
  }
  control_.Timer3().SetInterval(kNextRepeats);
}

}  // namespace kovra
