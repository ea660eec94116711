// Bitmaps as Windows .bmp files (BITMAPFILEHEADER + BITMAPINFOHEADER, bottom-up rows padded to
// four bytes, uncompressed), for the resource compiler and for looking at them.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/drawing.h"
#include "resources/bitmaps.h"

namespace kovra::resources {

// A 24-bit file.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);
// An 8-bit file with its 256-entry palette.
std::vector<std::uint8_t> EncodeBmp(const IndexedBitmap& bitmap);
// Reads a 24-bit or 8-bit file back; nothing when it is not one.
std::optional<Bitmap> DecodeBmp(const std::vector<std::uint8_t>& file);

}  // namespace kovra::resources
