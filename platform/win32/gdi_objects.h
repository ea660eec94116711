// Owners for the GDI objects the painters make: pens, memory device contexts, bitmaps and the
// selection of an object into a context. Each is released exactly once, in the reverse order
// of making, and the library counts how many of them are alive so that tests can see that a
// paint leaves none behind.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/drawing.h"

namespace kovra::win32 {

// GDI objects (pens, bitmaps, memory contexts) made by these owners and not yet released.
int LiveGdiObjects();

// A GDI object (pen, brush, bitmap) deleted with DeleteObject.
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(HGDIOBJ object);
  ~GdiObject();
  GdiObject(GdiObject&& other) noexcept;
  GdiObject& operator=(GdiObject&& other) noexcept;
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HGDIOBJ get() const { return object_; }

 private:
  HGDIOBJ object_ = nullptr;
};

// A memory device context deleted with DeleteDC.
class MemoryDC {
 public:
  // CreateCompatibleDC(`compatible`).
  explicit MemoryDC(HDC compatible);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// `object` selected into `dc` for the scope; the displaced object goes back at the end.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~Selection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A top-down 32-bit DIB section of `width` × `height` (the bits stay exact in every colour).
GdiObject CreateColourBitmap(int width, int height, void** bits = nullptr);

// The pixels of `area` of `source` (a window's or the screen's device context) as they show
// now; nothing when the area is empty or cannot be read.
std::optional<Bitmap> CopyPixels(HDC source, const RECT& area);

}  // namespace kovra::win32
