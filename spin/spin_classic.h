// The classic spin button: face and bevel by Border3DStyle, Edit3DOption and visual state, drawn
// from one-pixel lines, and the arrow glyph. Both are tables of line sets and colours.
#pragma once

#include <cstdint>

#include "frame/colours.h"
#include "platform/drawing.h"

namespace kovra {

enum class SpinSide;

// Where the classic colours come from: Edit3DColor translated, and the system colour table.
struct SpinFaceColours {
  Rgb base;
  SystemColourTable system;
};

// The face and bevel; a Border3DStyle outside 0..6 or a state outside 0..2 draws nothing.
void PaintClassicFace(DeviceContext& dc, float sw, float sh, std::int16_t border3DStyle,
                      std::int16_t edit3DOption, std::uint8_t visualState,
                      const SpinFaceColours& colours);

// The 7 × 4 arrow glyph centred at (SW \ 2, SH \ 2), pointing up or down, in `colour`.
void PaintClassicArrow(DeviceContext& dc, SpinSide side, float sw, float sh, Rgb colour);

}  // namespace kovra
