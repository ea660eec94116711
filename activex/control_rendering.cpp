#include "activex/control_rendering.h"

#include "control/kovra_double.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/win32_picture_surface.h"
#include "platform/win32/win32_surface.h"

namespace kovra::activex {
namespace {

// Copies a top-down 32-bit picture of `width` × `height` into `target`, stretched to `bounds`.
bool CopyPicture(const void* bits, int width, int height, HDC target, const RECT& bounds) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  ::GdiFlush();
  const int previous = ::SetStretchBltMode(target, COLORONCOLOR);
  const int lines = ::StretchDIBits(target, bounds.left, bounds.top, bounds.right - bounds.left,
                                    bounds.bottom - bounds.top, 0, 0, width, height, bits, &info,
                                    DIB_RGB_COLORS, SRCCOPY);
  if (previous != 0) ::SetStretchBltMode(target, previous);
  return lines != 0 && lines != static_cast<int>(GDI_ERROR);
}

// Draws the shown children of the control's window (Text1, the spin buttons) into `dc`, the
// bottom of the z-order first, each at its place: the spin buttons from their kept images, any
// other child as it prints itself. Shown means shown by the control: a control out of place has
// its windows parked under a hidden window, and still draws them.
void DrawChildren(KovraDouble& control, HWND parent, HDC dc) {
  const auto& up = dynamic_cast<const win32::Win32PictureSurface&>(control.Up());
  const auto& down = dynamic_cast<const win32::Win32PictureSurface&>(control.Down());
  for (HWND child = ::GetWindow(::GetWindow(parent, GW_CHILD), GW_HWNDLAST); child != nullptr;
       child = ::GetWindow(child, GW_HWNDPREV)) {
    if ((::GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
    RECT place{};
    ::GetWindowRect(child, &place);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    // A child may leave its clipping or other state in the context: each draws in a saved one.
    const int saved = ::SaveDC(dc);
    ::SetViewportOrgEx(dc, place.left, place.top, nullptr);
    if (win32::ToWindowId(child) == up.WindowHandle()) {
      up.PresentImage(dc);
    } else if (win32::ToWindowId(child) == down.WindowHandle()) {
      down.PresentImage(dc);
    } else {
      ::SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    }
    ::RestoreDC(dc, saved);
  }
}

}  // namespace

bool RenderControl(KovraDouble& control, HDC target, const RECT& bounds) {
  auto& surface = dynamic_cast<win32::Win32Surface&>(control.UserControl());
  RECT client{};
  ::GetClientRect(surface.Window(), &client);
  if (client.right <= 0 || client.bottom <= 0) return false;
  void* bits = nullptr;
  const win32::GdiObject bitmap = win32::CreateColourBitmap(client.right, client.bottom, &bits);
  const win32::MemoryDC canvas(nullptr);
  if (bitmap.get() == nullptr || canvas.get() == nullptr) return false;
  {
    const win32::Selection picture(canvas.get(), bitmap.get());
    surface.PresentImage(canvas.get());
    DrawChildren(control, surface.Window(), canvas.get());
  }
  return CopyPicture(bits, client.right, client.bottom, target, bounds);
}

}  // namespace kovra::activex
