// The drawing half of the control's window: its kept image, scale, measurements and size as
// the container sees it.
#include <cmath>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/win32_surface.h"
#include "platform/win32/win32_text_box.h"

namespace kovra::win32 {

namespace {

constexpr float kTwipsPerInch = 1440.0f;
constexpr float kHimetricPerInch = 2540.0f;

float PixelsPerInch(int axis) {
  const ScreenDC screen;
  return static_cast<float>(screen.get() != nullptr ? ::GetDeviceCaps(screen.get(), axis) : 96);
}

SIZE ClientSize(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

DeviceContext& Win32Surface::Dc() {
  if (window_) ::InvalidateRect(window_.get(), nullptr, FALSE);
  return image_.Dc();
}

float Win32Surface::InScale(float pixels) const {
  return scaleMode_ == ScaleUnit::Pixels ? pixels
                                         : pixels * kTwipsPerInch / PixelsPerInch(LOGPIXELSX);
}

float Win32Surface::ScaleWidth() const {
  return InScale(static_cast<float>(ClientSize(window_.get()).cx));
}

float Win32Surface::ScaleHeight() const {
  const float pixels = static_cast<float>(ClientSize(window_.get()).cy);
  return scaleMode_ == ScaleUnit::Pixels ? pixels : PixelsToTwipsY(pixels);
}

float Win32Surface::TextHeight(std::wstring_view text) const {
  const ScreenDC screen;
  const MemoryDC dc(screen.get());
  const Selection font(
      dc.get(), gdiFont_ ? static_cast<HGDIOBJ>(gdiFont_.get()) : ::GetStockObject(SYSTEM_FONT));
  SIZE size{};
  const std::wstring measured = text.empty() ? std::wstring(L" ") : std::wstring(text);
  ::GetTextExtentPoint32W(dc.get(), measured.c_str(), static_cast<int>(measured.size()), &size);
  const float pixels = static_cast<float>(size.cy);
  return scaleMode_ == ScaleUnit::Pixels ? pixels : PixelsToTwipsY(pixels);
}

float Win32Surface::PixelsToTwipsY(float pixels) const {
  return pixels * kTwipsPerInch / PixelsPerInch(LOGPIXELSY);
}

float Win32Surface::HimetricToPixelsX(float himetric) const {
  return himetric * PixelsPerInch(LOGPIXELSX) / kHimetricPerInch;
}

float Win32Surface::HimetricToPixelsY(float himetric) const {
  return himetric * PixelsPerInch(LOGPIXELSY) / kHimetricPerInch;
}

float Win32Surface::HeightTwips() const {
  return PixelsToTwipsY(static_cast<float>(ClientSize(window_.get()).cy));
}

void Win32Surface::SetHeightTwips(float twips) {
  const int height =
      static_cast<int>(std::lround(twips * PixelsPerInch(LOGPIXELSY) / kTwipsPerInch));
  const SIZE size = ClientSize(window_.get());
  if (height == size.cy) return;
  if (sizeRequest_ && sizeRequest_(size.cx, height)) return;
  // WM_SIZE arrives before SetWindowPos returns and runs the resize handler.
  ::SetWindowPos(window_.get(), nullptr, 0, 0, size.cx, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Surface::SetExtent(int widthPixels, int heightPixels) {
  const SIZE size = ClientSize(window_.get());
  if (size.cx == widthPixels && size.cy == heightPixels) {
    if (onResize_) onResize_();  // the container says so even when nothing moved
    return;
  }
  ::SetWindowPos(window_.get(), nullptr, 0, 0, widthPixels, heightPixels,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Win32Surface::OnDrawingMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      image_.Resize(LOWORD(lParam), HIWORD(lParam), backColor_);
      if (onResize_) onResize_();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the kept image covers the window
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window_.get(), &paint);
      image_.Present(dc);
      ::EndPaint(window_.get(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      image_.Present(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const HBRUSH brush =
          Win32TextBox::ColourChild(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
      if (brush != nullptr) return reinterpret_cast<LRESULT>(brush);
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace kovra::win32
