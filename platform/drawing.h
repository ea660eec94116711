// Drawing with the semantics of GDI, as the frame and spin-button painters need it: plain RGB
// colours, bitmaps made in memory, and a device context whose lines never paint their end point.
// Every pen, memory context and selected bitmap lives only inside the call or the object that
// made it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace kovra {

// A plain RGB colour as GDI writes it: 0x00BBGGRR.
using Rgb = std::uint32_t;
constexpr Rgb MakeRgb(int red, int green, int blue) {
  return static_cast<Rgb>(red & 0xFF) | (static_cast<Rgb>(green & 0xFF) << 8) |
         (static_cast<Rgb>(blue & 0xFF) << 16);
}
constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }
// What GetPixel answers for a point outside the picture.
inline constexpr Rgb kInvalidColour = 0xFFFFFFFF;

// A picture in memory: `pixels` row by row from the top-left, each a plain RGB colour.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Rgb At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  Rgb& At(int x, int y) {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

// A rectangle as GDI takes it: right and bottom are outside.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A memory device context compatible with the one that made it, with one bitmap selected into
// it. Destroying it selects the displaced object back, deletes the bitmap and the context.
class MemoryContext {
 public:
  virtual ~MemoryContext() = default;
};

class DeviceContext {
 public:
  virtual ~DeviceContext() = default;

  // A solid pen 1 pixel wide in `colour` is made and selected, MoveToEx(x1, y1),
  // LineTo(x2, y2), the previous pen selected back and the new one deleted. The end point is
  // not painted.
  virtual void Line(int x1, int y1, int x2, int y2, Rgb colour) = 0;
  // A PS_INSIDEFRAME pen of `width` in `colour` and Rectangle(left, top, right, bottom) with a
  // transparent fill: the whole band of `width` pixels stays inside the rectangle and the
  // interior is left as it is. The pen is deleted again.
  virtual void FrameRectangle(const PixelRect& rect, int width, Rgb colour) = 0;
  // The colour at (x, y); kInvalidColour outside the picture.
  virtual Rgb GetPixel(int x, int y) = 0;
  // Paints one pixel; nothing outside the picture.
  virtual void SetPixelV(int x, int y, Rgb colour) = 0;

  // CreateCompatibleDC of this context with `bitmap` selected into it.
  virtual std::unique_ptr<MemoryContext> CreateCompatibleContext(const Bitmap& bitmap) = 0;
  // StretchBlt with SRCCOPY from `source` (made by any context of the same platform).
  virtual bool StretchBlt(const PixelRect& destination, MemoryContext& source,
                          const PixelRect& from) = 0;
  // TransparentBlt (msimg32): like StretchBlt, but source pixels of colour `key` are skipped.
  virtual bool TransparentBlt(const PixelRect& destination, MemoryContext& source,
                              const PixelRect& from, Rgb key) = 0;
};

// A rectangle given as x, y, width, height, as StretchBlt takes its arguments.
constexpr PixelRect XYWH(int x, int y, int width, int height) {
  return {x, y, x + width, y + height};
}

}  // namespace kovra
