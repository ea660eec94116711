// The control's own window: a child window of the host that carries the text box and the spin
// surfaces, keeps the frame painting in a memory image that it presents when it paints, and
// hands the change and colour notifications of its EDIT children back to them.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "platform/control_surface.h"
#include "platform/win32/focus_report.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_drawing.h"

namespace kovra::win32 {

class Win32Surface final : public ControlSurface {
 public:
  // Sends the window the mouse message (a Click goes straight to the receiver).
  void DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                    float y) override;
  // For the window procedure: a notification of this window's own mouse input.
  void ReportMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x, float y) {
    Report(action, button, shift, x, y);
  }
  // A visible child window, parked under `parking` until it is given a parent, empty until the
  // control lays it out.
  explicit Win32Surface(HWND parking);
  ~Win32Surface() override;
  Win32Surface(const Win32Surface&) = delete;
  Win32Surface& operator=(const Win32Surface&) = delete;

  std::uintptr_t WindowHandle() const override { return ToWindowId(window_.get()); }
  std::uintptr_t ParentWindow() const override;
  // Moves the window (with its children) under `parent`, or back under the parking window.
  void SetParentWindow(std::uintptr_t parent) override;
  // The font object last set (the same object, shared).
  FontRef GetFont() const override { return font_; }
  // Keeps `font` and makes the GDI font the surface draws its text with.
  void SetFont(FontRef font) override;
  // Repaints the whole window now.
  void Refresh() override;

  void Cls() override { image_.Fill(backColor_); }
  ScaleUnit ScaleMode() const override { return scaleMode_; }
  void SetScaleMode(ScaleUnit unit) override { scaleMode_ = unit; }
  bool AutoRedraw() const override { return autoRedraw_; }
  void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
  // Drawing goes to the kept image; the window shows it at its next paint.
  DeviceContext& Dc() override;
  bool Enabled() const override { return ::IsWindowEnabled(window_.get()) != FALSE; }
  void SetEnabled(bool enabled) override { ::EnableWindow(window_.get(), enabled); }
  Rgb BackColor() const override { return backColor_; }
  // A new back colour erases the kept image to it.
  void SetBackColor(Rgb colour) override {
    if (colour == backColor_) return;
    backColor_ = colour;
    Cls();
  }
  std::int32_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(std::int32_t pointer) override { mousePointer_ = pointer; }
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  float TextHeight(std::wstring_view text) const override;
  float PixelsToTwipsY(float pixels) const override;
  float HimetricToPixelsX(float himetric) const override;
  float HimetricToPixelsY(float himetric) const override;
  float HeightTwips() const override;
  void SetHeightTwips(float twips) override;
  void SetExtent(int widthPixels, int heightPixels) override;
  void SetResizeHandler(std::function<void()> onResize) override {
    onResize_ = std::move(onResize);
  }

  // Hears of the surface window itself gaining and losing the focus (empty: nobody).
  void SetFocusObserver(FocusObserver observer) { focusObserver_ = std::move(observer); }
  // Whoever places the control decides its size: a height change the control makes (the height
  // rules) is asked of `request` with the whole new size in pixels, and the surface takes the
  // size it is then given. When nobody decides (empty, or the request answers false) the surface
  // resizes itself.
  using SizeRequest = std::function<bool(int widthPixels, int heightPixels)>;
  void SetSizeRequest(SizeRequest request) { sizeRequest_ = std::move(request); }
  // Answers WM_GETOBJECT for the window (a result of 0: the system answers as usual; empty:
  // nobody asks).
  using ObjectRequest = std::function<LRESULT(WPARAM wParam, LPARAM lParam)>;
  void SetObjectRequest(ObjectRequest request) { objectRequest_ = std::move(request); }
  // Draws the kept image into `dc` at its origin, as the window shows it.
  void PresentImage(HDC dc) const { image_.Present(dc); }

  HWND Window() const { return window_.get(); }
  // The GDI font made from the font object (nullptr: the system font).
  HFONT GdiFont() const { return gdiFont_.get(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  float InScale(float pixels) const;
  // Size, paint and child-colour messages (win32_surface_drawing.cpp); nothing when the window
  // procedure goes on as usual.
  std::optional<LRESULT> OnDrawingMessage(UINT message, WPARAM wParam, LPARAM lParam);

  FontRef font_ = std::make_shared<Font>();
  UniqueFont gdiFont_;
  Rgb backColor_ = static_cast<Rgb>(::GetSysColor(COLOR_WINDOW));
  SurfaceImage image_;
  ScaleUnit scaleMode_ = ScaleUnit::Twips;
  bool autoRedraw_ = false;
  std::int32_t mousePointer_ = 0;
  std::function<void()> onResize_;
  FocusObserver focusObserver_;
  SizeRequest sizeRequest_;
  ObjectRequest objectRequest_;
  HWND parking_;
  UniqueWindow window_;
};

}  // namespace kovra::win32
