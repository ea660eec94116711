// The classic frame (`Standard3DAppearance`): one of seven bevel styles drawn from one-pixel
// lines in four role colours, taken from the system colours or derived from Edit3DColor.
#pragma once

#include <cstdint>
#include <span>

#include "frame/colours.h"
#include "frame/line_table.h"

namespace kovra {

// The four colours a bevel is drawn in.
enum class BevelRole { S, H, D, F };  // shadow, highlight, dark, face

struct BevelColours {
  Rgb s = 0, h = 0, d = 0, f = 0;
  Rgb Of(BevelRole role) const;
  friend bool operator==(const BevelColours&, const BevelColours&) = default;
};

// The role colours for Edit3DOption (UseSystemColor 0: the system table; UseEdit3DColor 1:
// shifted from `edit3DColour`, a plain RGB value).
BevelColours ChooseBevelColours(std::int16_t edit3DOption, const SystemColourTable& system,
                                Rgb edit3DColour);

// The lines of `border3DStyle` in drawing order; empty for NoneBorderStyle and for any value
// outside 0..6.
std::span<const TableLine<BevelRole>> BevelLines(std::int16_t border3DStyle);

// Draw3DFrame: the lines of `border3DStyle` on a `width` × `height` surface.
void Draw3DFrame(DeviceContext& dc, float width, float height, std::int16_t border3DStyle,
                 const BevelColours& colours);

}  // namespace kovra
