#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_picture_surface.h"
#include "platform/win32/win32_surface.h"
#include "platform/win32/win32_text_box.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

const WindowClass& ParkingClass() {
  static const WindowClass windowClass(L"KovraDoubleParking", &::DefWindowProcW,
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return windowClass;
}

constexpr int kParkingWidth = 320;
constexpr int kParkingHeight = 200;

}  // namespace

Win32Platform::Win32Platform()
    : parking_(CreateOwnedWindow(ParkingClass(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr,
                                 kParkingWidth, kParkingHeight, nullptr)) {}

Win32Platform::~Win32Platform() = default;

std::unique_ptr<ControlSurface> Win32Platform::CreateControlSurface() {
  return std::make_unique<Win32Surface>(parking_.get());
}

std::unique_ptr<TextBox> Win32Platform::CreateTextBox(ControlSurface& owner) {
  return std::make_unique<Win32TextBox>(FromWindowId(owner.WindowHandle()));
}

std::unique_ptr<Timer> Win32Platform::CreateTimer() { return std::make_unique<Win32Timer>(); }

std::unique_ptr<PictureSurface> Win32Platform::CreatePictureSurface(ControlSurface& owner) {
  return std::make_unique<Win32PictureSurface>(FromWindowId(owner.WindowHandle()));
}

}  // namespace kovra::win32
