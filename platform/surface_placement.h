// A child window's place on the control surface, in the surface's pixels, and its z-order.
// A child refuses a negative width or height (std::invalid_argument) and keeps the old one.
#pragma once

namespace kovra {

class ChildWindow {
 public:
  virtual ~ChildWindow() = default;
  virtual float Left() const = 0;
  virtual void SetLeft(float left) = 0;
  virtual float Top() const = 0;
  virtual void SetTop(float top) = 0;
  virtual float Width() const = 0;
  // Throws std::invalid_argument for a negative width.
  virtual void SetWidth(float width) = 0;
  virtual float Height() const = 0;
  // Throws std::invalid_argument for a negative height.
  virtual void SetHeight(float height) = 0;
  // Brings the window to the front of its siblings (ZOrder with no argument).
  virtual void ZOrder() = 0;
};

}  // namespace kovra
