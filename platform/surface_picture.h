// A picture surface (`Up`, `Down`): a child window of the control surface that measures in
// pixels and keeps what is drawn on it until it is cleared; Refresh presents that image.
#pragma once

#include <cstdint>

#include "platform/drawing.h"
#include "platform/mouse.h"
#include "platform/surface_placement.h"

namespace kovra {

class PictureSurface : public ChildWindow, public MouseSource {
 public:
  // The native window handle (0 where there is none).
  virtual std::uintptr_t WindowHandle() const = 0;
  // The device context that draws into the surface's kept image.
  virtual DeviceContext& Dc() = 0;
  // Clears the image to the back colour.
  virtual void Cls() = 0;
  // The inner size in pixels.
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  // Presents the kept image on the screen.
  virtual void Refresh() = 0;

  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual Rgb BackColor() const = 0;
  // A colour other than the current one erases the kept image to it.
  virtual void SetBackColor(Rgb colour) = 0;
};

}  // namespace kovra
