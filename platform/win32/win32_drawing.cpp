#include "platform/win32/win32_drawing.h"

#include <algorithm>
#include <cstdint>

namespace kovra::win32 {

namespace {

// A bitmap of ours selected into a memory context compatible with another context. Members go
// in reverse: the bitmap is selected out, then deleted, then the context is deleted.
class Win32MemoryContext final : public MemoryContext {
 public:
  Win32MemoryContext(HDC compatible, const Bitmap& picture)
      : dc(compatible), bitmap(Fill(picture)), selection(dc.get(), bitmap.get()) {}

  MemoryDC dc;
  GdiObject bitmap;
  Selection selection;

 private:
  static GdiObject Fill(const Bitmap& picture) {
    void* bits = nullptr;
    GdiObject made = CreateColourBitmap(picture.width, picture.height, &bits);
    if (bits != nullptr) {
      auto* out = static_cast<std::uint32_t*>(bits);
      for (const Rgb c : picture.pixels) {
        *out++ = (static_cast<std::uint32_t>(RedOf(c)) << 16) |
                 (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
                 static_cast<std::uint32_t>(BlueOf(c));
      }
    }
    return made;
  }
};

COLORREF Colour(Rgb colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

}  // namespace

void Win32DC::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  const GdiObject pen(::CreatePen(PS_SOLID, 1, Colour(colour)));
  const Selection selected(dc_, pen.get());
  ::MoveToEx(dc_, x1, y1, nullptr);
  ::LineTo(dc_, x2, y2);
}

void Win32DC::FrameRectangle(const PixelRect& rect, int width, Rgb colour) {
  const GdiObject pen(::CreatePen(PS_INSIDEFRAME, width, Colour(colour)));
  const Selection selected(dc_, pen.get());
  // The fill stays transparent: the hollow stock brush (never deleted).
  const Selection hollow(dc_, ::GetStockObject(NULL_BRUSH));
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

Rgb Win32DC::GetPixel(int x, int y) {
  const COLORREF c = ::GetPixel(dc_, x, y);
  return c == CLR_INVALID ? kInvalidColour : static_cast<Rgb>(c);
}

void Win32DC::SetPixelV(int x, int y, Rgb colour) { ::SetPixelV(dc_, x, y, Colour(colour)); }

std::unique_ptr<MemoryContext> Win32DC::CreateCompatibleContext(const Bitmap& bitmap) {
  return std::make_unique<Win32MemoryContext>(dc_, bitmap);
}

bool Win32DC::StretchBlt(const PixelRect& destination, MemoryContext& source,
                         const PixelRect& from) {
  auto* memory = dynamic_cast<Win32MemoryContext*>(&source);
  if (memory == nullptr) return false;
  return ::StretchBlt(dc_, destination.left, destination.top, destination.right - destination.left,
                      destination.bottom - destination.top, memory->dc.get(), from.left, from.top,
                      from.right - from.left, from.bottom - from.top, SRCCOPY) != FALSE;
}

bool Win32DC::TransparentBlt(const PixelRect& destination, MemoryContext& source,
                             const PixelRect& from, Rgb key) {
  auto* memory = dynamic_cast<Win32MemoryContext*>(&source);
  if (memory == nullptr) return false;
  return ::TransparentBlt(dc_, destination.left, destination.top,
                          destination.right - destination.left,
                          destination.bottom - destination.top, memory->dc.get(), from.left,
                          from.top, from.right - from.left, from.bottom - from.top,
                          static_cast<UINT>(Colour(key))) != FALSE;
}

struct SurfaceImage::Buffer {
  Buffer(int width, int height)
      : dc(nullptr),
        bitmap(CreateColourBitmap(width, height)),
        selection(dc.get(), bitmap.get()),
        drawing(dc.get()) {}
  MemoryDC dc;
  GdiObject bitmap;
  Selection selection;
  Win32DC drawing;
};

SurfaceImage::SurfaceImage(int width, int height, Rgb background) {
  Resize(width, height, background);
}

SurfaceImage::~SurfaceImage() = default;

DeviceContext& SurfaceImage::Dc() { return buffer_->drawing; }

HDC SurfaceImage::get() const { return buffer_->dc.get(); }

void SurfaceImage::Resize(int width, int height, Rgb background) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (buffer_ && width == width_ && height == height_) return;
  auto fresh = std::make_unique<Buffer>(width, height);
  {
    const GdiObject brush(::CreateSolidBrush(Colour(background)));
    const RECT all{0, 0, std::max(width, 1), std::max(height, 1)};
    ::FillRect(fresh->dc.get(), &all, static_cast<HBRUSH>(brush.get()));
  }
  if (buffer_) {
    ::BitBlt(fresh->dc.get(), 0, 0, std::min(width, width_), std::min(height, height_),
             buffer_->dc.get(), 0, 0, SRCCOPY);
  }
  buffer_ = std::move(fresh);
  width_ = width;
  height_ = height;
}

void SurfaceImage::Fill(Rgb colour) {
  const GdiObject brush(::CreateSolidBrush(Colour(colour)));
  const RECT all{0, 0, std::max(width_, 1), std::max(height_, 1)};
  ::FillRect(buffer_->dc.get(), &all, static_cast<HBRUSH>(brush.get()));
}

void SurfaceImage::Present(HDC target) const {
  ::BitBlt(target, 0, 0, width_, height_, buffer_->dc.get(), 0, 0, SRCCOPY);
}

}  // namespace kovra::win32
