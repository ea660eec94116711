// The control's own window surface (`UserControl`): its window handle, its font and its repaint.
// The drawing operations arrive with the frame painters.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace kovra {

class ControlSurface {
 public:
  virtual ~ControlSurface() = default;
  // The native window handle (0 where there is none).
  virtual std::uintptr_t WindowHandle() const = 0;
  virtual FontRef GetFont() const = 0;
  virtual void SetFont(FontRef font) = 0;
  // Presents the surface's persistent image again.
  virtual void Refresh() = 0;
};

}  // namespace kovra
