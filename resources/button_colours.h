// The colours the spin-button bitmaps are drawn from: per colour scheme and state, the border
// shade and three face colours at the top, the middle and the bottom of the face.
#pragma once

#include <array>
#include <string_view>

#include "platform/drawing.h"

namespace kovra::resources {

struct ButtonColours {
  std::wstring_view scheme;  // "Blue", "Silver", "Olive"
  std::wstring_view state;   // "Normal", "Hot", "Press"
  Rgb border;                // columns 1 and 15, rows 1 and 18; read at (1, 10)
  Rgb top;                   // the face at (2, 2)
  Rgb middle;                // the face at (8, 10)
  Rgb bottom;                // the face at (14, 17)
};

// Nine rows: Blue, Silver, Olive, each Normal, Hot, Press.
const std::array<ButtonColours, 9>& ButtonColourTable();

// The arrow colours: the blue and silver schemes' glyph, the olive scheme's, the key.
inline constexpr Rgb kArrowColour = MakeRgb(0x4D, 0x61, 0x85);
inline constexpr Rgb kArrowColourOlive = MakeRgb(0xFF, 0xFF, 0xFF);
inline constexpr Rgb kArrowKey = MakeRgb(0xFF, 0x00, 0xFF);

}  // namespace kovra::resources
