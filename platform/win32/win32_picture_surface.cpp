#include "platform/win32/win32_picture_surface.h"

#include "platform/win32/mouse_report.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

constexpr int kInitialWidth = 17;
constexpr int kInitialHeight = 10;

const WindowClass& PictureClass(WNDPROC procedure) {
  static const WindowClass windowClass(L"KovraDoublePicture", procedure, nullptr);
  return windowClass;
}

}  // namespace

Win32PictureSurface::Win32PictureSurface(HWND parent)
    : image_(kInitialWidth, kInitialHeight, backColor_),
      window_(CreateOwnedWindow(PictureClass(&Procedure), WS_CHILD | WS_CLIPSIBLINGS, parent,
                                kInitialWidth, kInitialHeight, this)) {}

Win32PictureSurface::~Win32PictureSurface() {
  if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void Win32PictureSurface::Refresh() {
  ::InvalidateRect(window_.get(), nullptr, FALSE);
  ::UpdateWindow(window_.get());
}

bool Win32PictureSurface::Visible() const {
  return (::GetWindowLongPtrW(window_.get(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32PictureSurface::SetVisible(bool visible) {
  ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE);
}

void Win32PictureSurface::DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift,
                                       float x, float y) {
  if (!SendMouseMessage(window_.get(), action, button, shift, x, y)) {
    Report(action, button, shift, x, y);
  }
}

LRESULT CALLBACK Win32PictureSurface::Procedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto* surface = static_cast<Win32PictureSurface*>(WindowOwner(window, message, lParam));
  if (surface != nullptr) {
    switch (message) {
      case WM_NCDESTROY: {
        [[maybe_unused]] HWND released = surface->window_.release();
        break;
      }
      case WM_SIZE:
        surface->image_.Resize(LOWORD(lParam), HIWORD(lParam), surface->backColor_);
        break;
      case WM_ERASEBKGND:
        return 1;  // the kept image covers everything
      case WM_LBUTTONDOWN:
        ::SetCapture(window);  // the release comes back here wherever the pointer is
        break;
      case WM_LBUTTONUP:
        if (::GetCapture() == window) ::ReleaseCapture();
        break;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(window, &paint);
        surface->image_.Present(dc);
        ::EndPaint(window, &paint);
        return 0;
      }
      case WM_PRINTCLIENT:
        surface->image_.Present(reinterpret_cast<HDC>(wParam));
        return 0;
      default:
        break;
    }
    if (ReportMouseMessage(*surface, message, wParam, lParam)) return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kovra::win32
