#include "frame/hover_tracking.h"

#include <array>

#include "core/enumerations.h"
#include "core/events.h"
#include "frame/colours.h"
#include "frame/themed_frame.h"

namespace kovra {

namespace {

void RaiseMouseEvent(Container& container, int dispatchId, std::int16_t button, std::int16_t shift,
                     float x, float y) {
  std::array<EventArgument, 4> arguments{&button, &shift, &x, &y};
  container.RaiseEvent(dispatchId, arguments);
}

}  // namespace

void HoverTracker::RedrawFrame(bool hoverLook) {
  PropertyMembers& p = parts_.state.properties;
  const FrameParts parts{parts_.surface, parts_.text1, parts_.drawing, parts_.container};
  const bool themed = p.appearance == appearance::WindowsAppearance;
  if (p.fontOverEffect != kFalse) {
    parts_.text1.SetForeColor(
        TranslateColor(parts_.drawing, hoverLook ? p.fontOverColor : p.foreColor));
    if (themed && p.winBorderEffect == kFalse) DrawThemedFrame(p, parts);
  }
  if (themed && p.winBorderEffect != kFalse) {
    if (hoverLook) {
      DrawHoverFrame(p, parts);
    } else {
      DrawThemedFrame(p, parts);
    }
  }
  parts_.surface.Refresh();
}

void HoverTracker::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  if (button != 0) return;  // dragging in from outside does not start tracking
  lastButton_ = button;
  lastShift_ = shift;
  lastX_ = x;
  lastY_ = y;
  ControlSurface& surface = parts_.surface;
  if (!(x >= 0 && x < surface.ScaleWidth() && y >= 0 && y < surface.ScaleHeight())) return;
  if (hovering_) {
    RaiseMouseEvent(parts_.container, event::MouseMove, button, shift, x, y);
    return;
  }
  parts_.timer1.SetEnabled(true);
  hovering_ = true;
  RedrawFrame(true);
  RaiseMouseEvent(parts_.container, event::MouseEnter, button, shift, x, y);
}

void HoverTracker::Timer1_Timer() {
  Pointer& pointer = parts_.pointer;
  ControlSurface& surface = parts_.surface;
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
  parts_.timer1.SetEnabled(false);
  RedrawFrame(false);
  RaiseMouseEvent(parts_.container, event::MouseExit, lastButton_, lastShift_, lastX_, lastY_);
}

}  // namespace kovra
