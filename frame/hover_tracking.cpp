#include "frame/hover_tracking.h"

#include <array>

#include "core/enumerations.h"
#include "core/events.h"
#include "core/kovra_double.h"
#include "frame/colours.h"
#include "frame/themed_frame.h"

namespace kovra {

namespace {

void RaiseMouseEvent(KovraDouble& control, int dispatchId, std::int16_t button, std::int16_t shift,
                     float x, float y) {
  std::array<EventArgument, 4> arguments{&button, &shift, &x, &y};
  control.GetPlatform().GetContainer().RaiseEvent(dispatchId, arguments);
}

}  // namespace

void HoverTracker::RedrawFrame(bool hoverLook) {
  PropertyMembers& p = control_.State().properties;
  Platform& platform = control_.GetPlatform();
  const FrameParts parts{control_.UserControl(), control_.Text1(), platform.GetDrawing(),
                         platform.GetContainer()};
  const bool themed = p.appearance == appearance::WindowsAppearance;
  if (p.fontOverEffect != kFalse) {
    control_.Text1().SetForeColor(
        TranslateColor(platform.GetDrawing(), hoverLook ? p.fontOverColor : p.foreColor));
    if (themed && p.winBorderEffect == kFalse) DrawThemedFrame(p, parts);
  }
  if (themed && p.winBorderEffect != kFalse) {
    if (hoverLook) {
      DrawHoverFrame(p, parts);
    } else {
      DrawThemedFrame(p, parts);
    }
  }
  control_.UserControl().Refresh();
}

void HoverTracker::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  if (button != 0) return;  // dragging in from outside does not start tracking
  lastButton_ = button;
  lastShift_ = shift;
  lastX_ = x;
  lastY_ = y;
  ControlSurface& surface = control_.UserControl();
  if (!(x >= 0 && x < surface.ScaleWidth() && y >= 0 && y < surface.ScaleHeight())) return;
  if (hovering_) {
    RaiseMouseEvent(control_, event::MouseMove, button, shift, x, y);
    return;
  }
  control_.Timer1().SetEnabled(true);
  hovering_ = true;
  RedrawFrame(true);
  RaiseMouseEvent(control_, event::MouseEnter, button, shift, x, y);
}

void HoverTracker::Timer1_Timer() {
  Pointer& pointer = control_.GetPlatform().GetPointer();
  ControlSurface& surface = control_.UserControl();
  const std::uintptr_t window = surface.WindowHandle();
  const ScreenPoint origin = pointer.ClientToScreen(window, {0, 0});
  const ScreenPoint at = pointer.CursorPosition();
  if (pointer.WindowFromPoint(at) == window) return;
  const float right = static_cast<float>(origin.x) + surface.ScaleWidth();
  const float bottom = static_cast<float>(origin.y) + surface.ScaleHeight();
  const bool outside = at.x < origin.x || at.y < origin.y || static_cast<float>(at.x) > right ||
                       static_cast<float>(at.y) > bottom;
  if (!outside) return;
  hovering_ = false;
  control_.Timer1().SetEnabled(false);
  RedrawFrame(false);
  RaiseMouseEvent(control_, event::MouseExit, lastButton_, lastShift_, lastX_, lastY_);
}

}  // namespace kovra
