// The headless device context: draws into a Bitmap in memory with the pixel rules of GDI.
// A line paints every point from its start up to, not including, its end point; a rectangle
// with an inside-frame pen paints a band of the pen's width inside the rectangle and leaves the
// interior alone; StretchBlt and TransparentBlt sample the source at the nearest pixel.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/drawing.h"

namespace kovra::headless {

// One drawing call as the context received it, for tests that check calls and their order.
struct DrawCall {
  std::string name;       // "Line", "FrameRectangle", "SetPixelV", "StretchBlt", ...
  std::vector<int> args;  // the coordinates in the order the call takes them
  Rgb colour = 0;
  friend bool operator==(const DrawCall&, const DrawCall&) = default;
};

class RasterDC final : public DeviceContext {
 public:
  // Draws into `*image`, which must outlive the context (its size may change in between).
  explicit RasterDC(Bitmap* image) : image_(image) {}

  void Line(int x1, int y1, int x2, int y2, Rgb colour) override;
  void FrameRectangle(const PixelRect& rect, int width, Rgb colour) override;
  Rgb GetPixel(int x, int y) override;
  void SetPixelV(int x, int y, Rgb colour) override;
  std::unique_ptr<MemoryContext> CreateCompatibleContext(const Bitmap& bitmap) override;
  bool StretchBlt(const PixelRect& destination, MemoryContext& source,
                  const PixelRect& from) override;
  bool TransparentBlt(const PixelRect& destination, MemoryContext& source, const PixelRect& from,
                      Rgb key) override;

  // With recording on, every call is appended to `calls`.
  void SetRecording(bool on) { recording_ = on; }
  std::vector<DrawCall> calls;

  // Memory contexts made by any headless context and not yet destroyed.
  static int LiveMemoryContexts();

 private:
  void Paint(int x, int y, Rgb colour);
  bool Copy(const PixelRect& destination, MemoryContext& source, const PixelRect& from,
            const Rgb* key);
  void Record(std::string name, std::vector<int> args, Rgb colour);

  Bitmap* image_;
  bool recording_ = false;
};

// Fills the whole of `image` with `colour`.
void Fill(Bitmap& image, Rgb colour);
// A new width × height image in `colour` holding the overlapping part of `old`.
Bitmap Resized(const Bitmap& old, int width, int height, Rgb colour);

}  // namespace kovra::headless
