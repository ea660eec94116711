// `Up` and `Down` on Windows: child windows of the control surface that keep their image in a
// memory bitmap and present it when they paint.
#pragma once

#include <windows.h>

#include "platform/surface_picture.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_child_window.h"
#include "platform/win32/win32_drawing.h"

namespace kovra::win32 {

class Win32PictureSurface final : public Win32ChildWindow<PictureSurface> {
 public:
  // Sends the window the mouse message (a Click goes straight to the receiver).
  void DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                    float y) override;
  // For the window procedure: a notification of this window's own mouse input.
  void ReportMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x, float y) {
    Report(action, button, shift, x, y);
  }
  // A hidden child of `parent`.
  explicit Win32PictureSurface(HWND parent);
  ~Win32PictureSurface() override;
  Win32PictureSurface(const Win32PictureSurface&) = delete;
  Win32PictureSurface& operator=(const Win32PictureSurface&) = delete;

  std::uintptr_t WindowHandle() const override { return ToWindowId(window_.get()); }
  // Draws the kept image into `dc` at its origin, as the window shows it.
  void PresentImage(HDC dc) const { image_.Present(dc); }
  DeviceContext& Dc() override { return image_.Dc(); }
  void Cls() override { image_.Fill(backColor_); }
  float ScaleWidth() const override { return static_cast<float>(image_.Width()); }
  float ScaleHeight() const override { return static_cast<float>(image_.Height()); }
  void Refresh() override;
  bool Enabled() const override { return ::IsWindowEnabled(window_.get()) != FALSE; }
  void SetEnabled(bool enabled) override { ::EnableWindow(window_.get(), enabled); }
  bool Visible() const override;
  void SetVisible(bool visible) override;
  Rgb BackColor() const override { return backColor_; }
  // A new back colour erases the kept image to it.
  void SetBackColor(Rgb colour) override {
    if (colour == backColor_) return;
    backColor_ = colour;
    Cls();
  }

 protected:
  HWND Handle() const override { return window_.get(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Rgb backColor_ = static_cast<Rgb>(::GetSysColor(COLOR_BTNFACE));
  SurfaceImage image_;
  UniqueWindow window_;
};

}  // namespace kovra::win32
