#include "platform/win32/win32_surface.h"

#include "platform/win32/gdi_font.h"
#include "platform/win32/mouse_report.h"
#include "platform/win32/win32_text_box.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

// The size a surface has until the control lays itself out.
constexpr int kInitialWidth = 100;
constexpr int kInitialHeight = 21;

const WindowClass& SurfaceClass(WNDPROC procedure) {
  static const WindowClass windowClass(L"KovraDoubleSurface", procedure,
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
  return windowClass;
}

}  // namespace

Win32Surface::Win32Surface(HWND parking)
    : gdiFont_(CreateGdiFont(*font_)),
      image_(kInitialWidth, kInitialHeight, backColor_),
      parking_(parking),
      window_(CreateOwnedWindow(SurfaceClass(&Procedure),
                                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, parking,
                                kInitialWidth, kInitialHeight, this)) {}

std::uintptr_t Win32Surface::ParentWindow() const {
  HWND parent = ::GetAncestor(window_.get(), GA_PARENT);
  return parent == parking_ ? 0 : ToWindowId(parent);
}

void Win32Surface::SetParentWindow(std::uintptr_t parent) {
  ::SetParent(window_.get(), parent != 0 ? FromWindowId(parent) : parking_);
}

Win32Surface::~Win32Surface() {
  if (window_) ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void Win32Surface::SetFont(FontRef font) {
  gdiFont_ = CreateGdiFont(*font);
  font_ = std::move(font);
}

void Win32Surface::Refresh() {
  ::InvalidateRect(window_.get(), nullptr, TRUE);
  ::UpdateWindow(window_.get());
}

void Win32Surface::DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift,
                                float x, float y) {
  if (!SendMouseMessage(window_.get(), action, button, shift, x, y)) {
    Report(action, button, shift, x, y);
  }
}

LRESULT CALLBACK Win32Surface::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* surface = static_cast<Win32Surface*>(WindowOwner(window, message, lParam));
  if (message == WM_NCDESTROY && surface != nullptr) {
    // Destroyed with its parent: the handle is no longer the surface's to destroy.
    [[maybe_unused]] HWND released = surface->window_.release();
  }
  if (message == WM_GETFONT && surface != nullptr) {
    return reinterpret_cast<LRESULT>(surface->GdiFont());
  }
  if (surface != nullptr) {
    if (const auto handled = surface->OnDrawingMessage(message, wParam, lParam)) return *handled;
    if (ReportMouseMessage(*surface, message, wParam, lParam)) return 0;
    if (message == WM_GETOBJECT && surface->objectRequest_) {
      if (const LRESULT answer = surface->objectRequest_(wParam, lParam); answer != 0) {
        return answer;
      }
    }
    if ((message == WM_SETFOCUS || message == WM_KILLFOCUS) && surface->focusObserver_) {
      surface->focusObserver_(message == WM_SETFOCUS ? FocusChange::Gained : FocusChange::Lost,
                              reinterpret_cast<HWND>(wParam));
      return 0;
    }
  }
  if (message == WM_COMMAND && lParam != 0) {
    // A notification from a child control: the text boxes take their own back.
    if (Win32TextBox::ReflectNotification(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
      return 0;
    }
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace kovra::win32
