// A child window's place in its parent's client area, in pixels, and its z-order, for any
// interface that derives from ChildWindow. Negative sizes are refused as the headless children
// refuse them.
#pragma once

#include <windows.h>

#include <cmath>
#include <stdexcept>

#include "platform/surface_placement.h"

namespace kovra::win32 {

// The window's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(HWND_DESKTOP, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

template <typename Interface>
class Win32ChildWindow : public Interface {
 public:
  float Left() const override { return static_cast<float>(ChildRect(Handle()).left); }
  void SetLeft(float left) override {
    const RECT r = ChildRect(Handle());
    Place(Whole(left), r.top, r.right - r.left, r.bottom - r.top);
  }
  float Top() const override { return static_cast<float>(ChildRect(Handle()).top); }
  void SetTop(float top) override {
    const RECT r = ChildRect(Handle());
    Place(r.left, Whole(top), r.right - r.left, r.bottom - r.top);
  }
  float Width() const override {
    const RECT r = ChildRect(Handle());
    return static_cast<float>(r.right - r.left);
  }
  void SetWidth(float width) override {
    if (width < 0) throw std::invalid_argument("negative width");
    const RECT r = ChildRect(Handle());
    Place(r.left, r.top, Whole(width), r.bottom - r.top);
  }
  float Height() const override {
    const RECT r = ChildRect(Handle());
    return static_cast<float>(r.bottom - r.top);
  }
  void SetHeight(float height) override {
    if (height < 0) throw std::invalid_argument("negative height");
    const RECT r = ChildRect(Handle());
    Place(r.left, r.top, r.right - r.left, Whole(height));
  }
  void ZOrder() override {
    ::SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

 protected:
  virtual HWND Handle() const = 0;

 private:
  static int Whole(float value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9f) throw std::invalid_argument("size");
    return static_cast<int>(std::lround(value));
  }
  void Place(int left, int top, int width, int height) {
    ::SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

}  // namespace kovra::win32
