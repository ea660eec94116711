#include "platform/win32/gdi_objects.h"

#include <utility>

namespace kovra::win32 {

namespace {
int liveObjects = 0;
}  // namespace

int LiveGdiObjects() { return liveObjects; }

GdiObject::GdiObject(HGDIOBJ object) : object_(object) {
  if (object_ != nullptr) ++liveObjects;
}

GdiObject::~GdiObject() {
  if (object_ != nullptr) {
    ::DeleteObject(object_);
    --liveObjects;
  }
}

GdiObject::GdiObject(GdiObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}

GdiObject& GdiObject::operator=(GdiObject&& other) noexcept {
  if (this != &other) {
    GdiObject old(std::move(*this));
    object_ = std::exchange(other.object_, nullptr);
  }
  return *this;
}

MemoryDC::MemoryDC(HDC compatible) : dc_(::CreateCompatibleDC(compatible)) {
  if (dc_ != nullptr) ++liveObjects;
}

MemoryDC::~MemoryDC() {
  if (dc_ != nullptr) {
    ::DeleteDC(dc_);
    --liveObjects;
  }
}

std::optional<Bitmap> CopyPixels(HDC source, const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  void* bits = nullptr;
  const GdiObject bitmap = CreateColourBitmap(width, height, &bits);
  const MemoryDC canvas(nullptr);
  if (bitmap.get() == nullptr || canvas.get() == nullptr) return std::nullopt;
  {
    const Selection picture(canvas.get(), bitmap.get());
    if (!::BitBlt(canvas.get(), 0, 0, width, height, source, area.left, area.top, SRCCOPY)) {
      return std::nullopt;
    }
  }
  ::GdiFlush();
  Bitmap copy{width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height)};
  const auto* pixels = static_cast<const DWORD*>(bits);  // 0x00RRGGBB, top-down
  for (std::size_t i = 0; i < copy.pixels.size(); ++i) {
    const DWORD p = pixels[i];
    copy.pixels[i] = MakeRgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  return copy;
}

GdiObject CreateColourBitmap(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width > 0 ? width : 1;
  info.bmiHeader.biHeight = -(height > 0 ? height : 1);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bits != nullptr) *bits = pixels;
  return GdiObject(bitmap);
}

}  // namespace kovra::win32
