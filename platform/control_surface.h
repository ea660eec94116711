// The control's own window surface (`UserControl`): its window handle, its font, its kept image
// and device context, its scale, its size as the container sees it, and its repaint.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "base/types.h"
#include "platform/drawing.h"
#include "platform/mouse.h"

namespace kovra {

// The unit ScaleWidth, ScaleHeight and TextHeight measure in.
enum class ScaleUnit { Twips, Pixels };

class ControlSurface : public MouseSource {
 public:
  // The native window handle (0 where there is none).
  virtual std::uintptr_t WindowHandle() const = 0;
  // The window the surface is a child of; 0 while it is parked out of sight. Its children go
  // with it, keeping their state.
  virtual std::uintptr_t ParentWindow() const = 0;
  virtual void SetParentWindow(std::uintptr_t parent) = 0;
  virtual FontRef GetFont() const = 0;
  virtual void SetFont(FontRef font) = 0;
  // Presents the surface's persistent image again.
  virtual void Refresh() = 0;

  // Clears the kept image to the back colour.
  virtual void Cls() = 0;
  virtual ScaleUnit ScaleMode() const = 0;
  virtual void SetScaleMode(ScaleUnit unit) = 0;
  // Persistent drawing: what is drawn stays in the surface's image until drawn over.
  virtual bool AutoRedraw() const = 0;
  virtual void SetAutoRedraw(bool on) = 0;
  // The device context that draws into the kept image, in pixels from the top-left.
  virtual DeviceContext& Dc() = 0;

  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual Rgb BackColor() const = 0;
  // A colour other than the current one erases the kept image to it.
  virtual void SetBackColor(Rgb colour) = 0;
  virtual std::int32_t MousePointer() const = 0;
  virtual void SetMousePointer(std::int32_t pointer) = 0;

  // The inner size in the scale unit.
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  // The height of `text` in the surface's font, in the scale unit.
  virtual float TextHeight(std::wstring_view text) const = 0;
  // Vertical pixels to twips, and a HIMETRIC extent to pixels, at the screen's resolution.
  virtual float PixelsToTwipsY(float pixels) const = 0;
  virtual float HimetricToPixelsX(float himetric) const = 0;
  virtual float HimetricToPixelsY(float himetric) const = 0;

  // The control's outer height as the container sees it, in twips. Setting a different height
  // makes the container send its resize notification before the call returns.
  virtual float HeightTwips() const = 0;
  virtual void SetHeightTwips(float twips) = 0;
  // The container sizes the control (pixels) and sends its resize notification.
  virtual void SetExtent(int widthPixels, int heightPixels) = 0;
  // The receiver of the container's resize notification (empty: none).
  virtual void SetResizeHandler(std::function<void()> onResize) = 0;
};

}  // namespace kovra
