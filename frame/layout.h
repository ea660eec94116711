// The placement of the inner parts: ArrangeChildren sizes and positions Text1, Up and Down
// inside the frame band, and the height rules keep the control tall enough for its text and
// centre the text vertically. Every step stands alone: a step whose 16-bit arithmetic
// overflows, or whose value a child refuses, is skipped and the next one runs.
#pragma once

#include <cstdint>
#include <optional>

#include "core/control_state.h"
#include "platform/control_surface.h"
#include "platform/drawing_services.h"
#include "platform/surface_placement.h"
#include "platform/text_box.h"

namespace kovra {

struct LayoutParts {
  ControlSurface& surface;
  TextBox& text1;
  ChildWindow& up;
  ChildWindow& down;
  DrawingServices& drawing;
};

// The frame case the layout tables are chosen by; nothing for an Appearance other than 0 and 1
// or a Border3DStyle outside 0..6.
enum class FrameCase { Automatic, Manual, Bevel, GBRaised };
std::optional<FrameCase> LayoutCase(const PropertyMembers& properties);

// Text1's width and left edge for a surface `sw` wide; nothing where the table has no entry
// (alignment outside 0..2) or the 16-bit arithmetic overflows.
struct TextColumn {
  std::optional<float> width;
  std::optional<float> left;
};
TextColumn Text1Column(FrameCase frame, std::int16_t alignment, bool buttonSpin, float sw,
                       std::int16_t borderWidth, float upWidth);

// The inset of the spin-button column and of the buttons' top: 1, W, 2 or 3.
std::optional<std::int16_t> ButtonInset(FrameCase frame, std::int16_t borderWidth);

// SH rounded (ties to even), halved toward zero.
int HalfHeight(float sh);

// ArrangeChildren: Up, Down and Text1 sized and placed; stores the spin button width.
void ArrangeChildren(ControlState& state, LayoutParts parts);

// A new control lower than 285 twips is raised to 285 twips (the container's
// resize notification runs inside); the new-instance flag is cleared either way.
void ApplyNewInstanceHeight(ControlState& state, ControlSurface& surface);
// The control grows to Text1's height plus the frame band when it is lower.
void ApplyMinimumHeight(const ControlState& state, LayoutParts parts);
// Text1 centred vertically in the surface's height.
void CentreText1(LayoutParts parts);

}  // namespace kovra
