// Drawing on a real device context with GDI and msimg32, and the kept image of a surface: a
// memory context holding a 32-bit DIB section, presented on the window when it paints.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/drawing.h"
#include "platform/win32/gdi_objects.h"

namespace kovra::win32 {

// A DeviceContext over an HDC that someone else owns.
class Win32DC final : public DeviceContext {
 public:
  explicit Win32DC(HDC dc) : dc_(dc) {}
  HDC get() const { return dc_; }

  void Line(int x1, int y1, int x2, int y2, Rgb colour) override;
  void FrameRectangle(const PixelRect& rect, int width, Rgb colour) override;
  Rgb GetPixel(int x, int y) override;
  void SetPixelV(int x, int y, Rgb colour) override;
  std::unique_ptr<MemoryContext> CreateCompatibleContext(const Bitmap& bitmap) override;
  bool StretchBlt(const PixelRect& destination, MemoryContext& source,
                  const PixelRect& from) override;
  bool TransparentBlt(const PixelRect& destination, MemoryContext& source, const PixelRect& from,
                      Rgb key) override;

 private:
  HDC dc_;
};

// The kept image of a surface: what is drawn stays until it is drawn over or cleared.
class SurfaceImage {
 public:
  SurfaceImage(int width, int height, Rgb background);
  ~SurfaceImage();
  SurfaceImage(const SurfaceImage&) = delete;
  SurfaceImage& operator=(const SurfaceImage&) = delete;

  DeviceContext& Dc();
  HDC get() const;
  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size; the overlapping part of the image stays, the rest is `background`.
  void Resize(int width, int height, Rgb background);
  void Fill(Rgb colour);
  // Copies the image to `target` at (0, 0).
  void Present(HDC target) const;

 private:
  struct Buffer;
  std::unique_ptr<Buffer> buffer_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace kovra::win32
