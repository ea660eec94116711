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
