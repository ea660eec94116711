// The control's own bitmap resources, drawn by this code from the colour table: eighteen
// spin-button faces (17 × 20), four arrow glyphs (7 × 4, magenta key) and the toolbox picture
// 30000 (16 × 15, 8-bit). The same input always gives the same pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing.h"

namespace kovra::resources {

inline constexpr int kButtonWidth = 17;
inline constexpr int kButtonHeight = 20;
inline constexpr int kArrowWidth = 7;
inline constexpr int kArrowHeight = 4;

struct NamedBitmap {
  std::wstring name;  // in capitals, as the resource table stores it
  Bitmap bitmap;      // 24-bit
};

// Every named bitmap: the eighteen buttons, then the four arrows.
std::span<const NamedBitmap> NamedBitmaps();

// The bitmap called `name`, ignoring case; nullptr when there is none.
const Bitmap* FindBitmap(std::wstring_view name);

// A bitmap as a picture object: its size in HIMETRIC (0.01 mm) at 96 pixels per inch.
struct ResourcePicture {
  const Bitmap* bitmap;
  float himetricWidth;
  float himetricHeight;
};
std::optional<ResourcePicture> LoadPicture(std::wstring_view name);

// The upward arrow glyph: true where the glyph paints, row by row (4 rows of 7).
bool UpArrowPixel(int x, int y);

// An 8-bit picture: palette indexes row by row from the top-left.
struct IndexedBitmap {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> indexes;
};
// The toolbox bitmap, resource 30000.
inline constexpr int kToolboxBitmapId = 30000;
const IndexedBitmap& ToolboxBitmap();

}  // namespace kovra::resources
