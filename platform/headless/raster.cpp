#include "platform/headless/raster.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace kovra::headless {

namespace {

int liveMemoryContexts = 0;

class RasterMemoryContext final : public MemoryContext {
 public:
  explicit RasterMemoryContext(const Bitmap& selected) : bitmap(selected) { ++liveMemoryContexts; }
  ~RasterMemoryContext() override { --liveMemoryContexts; }
  RasterMemoryContext(const RasterMemoryContext&) = delete;
  RasterMemoryContext& operator=(const RasterMemoryContext&) = delete;

  Bitmap bitmap;  // the selected bitmap (a copy: it goes with the context)
};

// Maps destination offset `d` of `dn` onto a source offset of `sn` (nearest sample).
int Sample(int d, int dn, int sn) {
  return static_cast<int>((static_cast<long long>(2 * d + 1) * sn) / (2LL * dn));
}

// A pen 3 or more pixels wide joins its lines round: in the outer quarter of each w × w corner
// box only the pixels of the disc inscribed in the box are painted, the disc of radius²
// w² / 4 − 3 / 4 around the box's centre. (x, y) are offsets in a `w` × `h` rectangle.
bool InsideRoundCorners(int x, int y, int w, int h, int pen) {
  if (pen < 3) return true;
  const int dx = x < pen ? x : w - 1 - x < pen ? w - 1 - x : -1;
  const int dy = y < pen ? y : h - 1 - y < pen ? h - 1 - y : -1;
  if (dx < 0 || dy < 0) return true;  // not in a corner box
  const int ex = 2 * dx - (pen - 1);
  const int ey = 2 * dy - (pen - 1);
  if (ex >= 0 || ey >= 0) return true;  // only the outer quarter of the disc is round
  return ex * ex + ey * ey <= pen * pen - 3;
}

}  // namespace

int RasterDC::LiveMemoryContexts() { return liveMemoryContexts; }

void RasterDC::Record(std::string name, std::vector<int> args, Rgb colour) {
  if (recording_) calls.push_back({std::move(name), std::move(args), colour});
}

void RasterDC::Paint(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= image_->width || y >= image_->height) return;
  image_->At(x, y) = colour & 0xFFFFFF;
}

void RasterDC::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  Record("Line", {x1, y1, x2, y2}, colour);
  if (y1 == y2 && x1 != x2) {
    // A row: from the start point towards the end point, which is not painted; only the
    // stretch on the image is visited, however far the ends lie outside it.
    if (y1 < 0 || y1 >= image_->height) return;
    const int first = std::max(x1 < x2 ? x1 : x2 + 1, 0);
    const int last = std::min(x1 < x2 ? x2 - 1 : x1, image_->width - 1);
    for (int x = first; x <= last; ++x) image_->At(x, y1) = colour & 0xFFFFFF;
    return;
  }
  // Bresenham from the start point; the end point itself is never painted.
  const int dx = std::abs(x2 - x1);
  const int dy = std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1;
  const int sy = y1 < y2 ? 1 : -1;
  int error = dx - dy;
  int x = x1;
  int y = y1;
  while (x != x2 || y != y2) {
    Paint(x, y, colour);
    const int twice = 2 * error;
    if (twice > -dy) {
      error -= dy;
      x += sx;
    }
    if (twice < dx) {
      error += dx;
      y += sy;
    }
  }
}

void RasterDC::FrameRectangle(const PixelRect& rect, int width, Rgb colour) {
  Record("FrameRectangle", {rect.left, rect.top, rect.right, rect.bottom, width}, colour);
  const int left = std::min(rect.left, rect.right);
  const int right = std::max(rect.left, rect.right);
  const int top = std::min(rect.top, rect.bottom);
  const int bottom = std::max(rect.top, rect.bottom);
  if (right - left < 1 || bottom - top < 1) return;
  const int band = std::max(width, 1);
  // Only the pixels on the image are visited; between the top and bottom bands, only the
  // left and right bands.
  const int firstRow = std::max(top, 0);
  const int lastRow = std::min(bottom, image_->height);
  const int firstColumn = std::max(left, 0);
  const int lastColumn = std::min(right, image_->width);
  for (int y = firstRow; y < lastRow; ++y) {
    const bool rowInBand = y < top + band || y >= bottom - band;
    const int leftBandEnd = rowInBand ? lastColumn : std::min(left + band, lastColumn);
    const int rightBandStart = rowInBand ? lastColumn : std::max(right - band, leftBandEnd);
    const auto paintColumns = [&](int from, int to) {
      for (int x = from; x < to; ++x) {
        if (InsideRoundCorners(x - left, y - top, right - left, bottom - top, band)) {
          Paint(x, y, colour);
        }
      }
    };
    paintColumns(firstColumn, leftBandEnd);
    paintColumns(std::max(rightBandStart, firstColumn), lastColumn);
  }
}

Rgb RasterDC::GetPixel(int x, int y) {
  if (x < 0 || y < 0 || x >= image_->width || y >= image_->height) return kInvalidColour;
  return image_->At(x, y);
}

void RasterDC::SetPixelV(int x, int y, Rgb colour) {
  Record("SetPixelV", {x, y}, colour);
  Paint(x, y, colour);
}

std::unique_ptr<MemoryContext> RasterDC::CreateCompatibleContext(const Bitmap& bitmap) {
  return std::make_unique<RasterMemoryContext>(bitmap);
}

bool RasterDC::Copy(const PixelRect& destination, MemoryContext& source, const PixelRect& from,
                    const Rgb* key) {
  const auto* memory = dynamic_cast<RasterMemoryContext*>(&source);
  if (memory == nullptr) return false;
  const Bitmap& bitmap = memory->bitmap;
  const int dw = destination.right - destination.left;
  const int dh = destination.bottom - destination.top;
  const int sw = from.right - from.left;
  const int sh = from.bottom - from.top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return false;
  for (int dy = 0; dy < dh; ++dy) {
    const int y = from.top + Sample(dy, dh, sh);
    if (y < 0 || y >= bitmap.height) continue;
    for (int dx = 0; dx < dw; ++dx) {
      const int x = from.left + Sample(dx, dw, sw);
      if (x < 0 || x >= bitmap.width) continue;
      const Rgb pixel = bitmap.At(x, y);
      if (key != nullptr && pixel == (*key & 0xFFFFFF)) continue;
      Paint(destination.left + dx, destination.top + dy, pixel);
    }
  }
  return true;
}

bool RasterDC::StretchBlt(const PixelRect& destination, MemoryContext& source,
                          const PixelRect& from) {
  Record("StretchBlt",
         {destination.left, destination.top, destination.right - destination.left,
          destination.bottom - destination.top, from.left, from.top, from.right - from.left,
          from.bottom - from.top},
         0);
  return Copy(destination, source, from, nullptr);
}

bool RasterDC::TransparentBlt(const PixelRect& destination, MemoryContext& source,
                              const PixelRect& from, Rgb key) {
  Record("TransparentBlt",
         {destination.left, destination.top, destination.right - destination.left,
          destination.bottom - destination.top, from.left, from.top, from.right - from.left,
          from.bottom - from.top},
         key);
  return Copy(destination, source, from, &key);
}

void Fill(Bitmap& image, Rgb colour) {
  std::fill(image.pixels.begin(), image.pixels.end(), colour & 0xFFFFFF);
}

Bitmap Resized(const Bitmap& old, int width, int height, Rgb colour) {
  Bitmap image;
  image.width = std::max(width, 0);
  image.height = std::max(height, 0);
  image.pixels.assign(
      static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height),
      colour & 0xFFFFFF);
  for (int y = 0; y < std::min(old.height, image.height); ++y) {
    for (int x = 0; x < std::min(old.width, image.width); ++x) image.At(x, y) = old.At(x, y);
  }
  return image;
}

}  // namespace kovra::headless
