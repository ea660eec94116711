// Hover tracking: the pointer entering the control is seen by the surface's own mouse moves,
// its leaving by polling with Timer1 (it usually leaves over a child window, which does not
// report to the surface). Entering and leaving switch the text colour (FontOverEffect) and the
// themed frame (WinBorderEffect), and raise MouseEnter, MouseMove and MouseExit.
#pragma once

#include <cstdint>

#include "core/control_state.h"
#include "platform/container.h"
#include "platform/control_surface.h"
#include "platform/drawing_services.h"
#include "platform/pointer.h"
#include "platform/text_box.h"
#include "platform/timer.h"

namespace kovra {

// The parts of the control hover tracking works on.
struct HoverParts {
  ControlState& state;
  ControlSurface& surface;  // UserControl
  TextBox& text1;
  Timer& timer1;
  Pointer& pointer;
  DrawingServices& drawing;
  Container& container;
};

class HoverTracker {
 public:
  explicit HoverTracker(HoverParts parts) : parts_(parts) {}

  // The control surface's mouse move, in its pixels.
  void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  // Timer1: is the pointer still over the control?
  void Timer1_Timer();

  bool Hovering() const { return hovering_; }

 private:
  // The normal frame, or the hover rectangle, on the themed look; then the surface repaint.
  void RedrawFrame(bool hoverLook);

  HoverParts parts_;
  bool hovering_ = false;
  // The last qualifying move, which MouseExit reports.
  std::int16_t lastButton_ = 0;
  std::int16_t lastShift_ = 0;
  float lastX_ = 0;
  float lastY_ = 0;
};

}  // namespace kovra
