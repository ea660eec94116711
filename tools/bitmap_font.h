// A small fixed-width bitmap font of our own (5 × 7 glyphs in 6 × 9 cells) for the texts in the
// driver's pictures: digits, capitals (small letters are drawn as capitals), the separators of
// the locales and a little punctuation. Unknown characters draw as a box.
#pragma once

#include <string_view>

#include "platform/drawing.h"

namespace kovra::tools {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kCellWidth = 6;
inline constexpr int kCellHeight = 9;

// The width in pixels of `text` in cells.
int TextWidth(std::wstring_view text);

// Draws `text` with its top-left cell at (x, y), clipped to the picture.
void DrawText(Bitmap& picture, int x, int y, std::wstring_view text, Rgb colour);

}  // namespace kovra::tools
