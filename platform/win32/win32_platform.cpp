#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_picture_surface.h"
#include "platform/win32/win32_surface.h"
#include "platform/win32/win32_text_box.h"
#include "platform/win32/win32_timer.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

const WindowClass& HostClass() {
  static const WindowClass windowClass(L"KovraDoubleHost", &::DefWindowProcW,
                                       reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  return windowClass;
}

constexpr int kHostWidth = 320;
constexpr int kHostHeight = 200;

UniqueWindow MakeHost(std::uintptr_t parentWindow) {
  if (parentWindow != 0) return nullptr;
  return UniqueWindow(CreateOwnedWindow(HostClass(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, nullptr,
                                        kHostWidth, kHostHeight, nullptr));
}

}  // namespace

Win32Platform::Win32Platform(Container& container, std::uintptr_t parentWindow)
    : container_(container),
      host_(MakeHost(parentWindow)),
      parent_(host_ ? host_.get() : FromWindowId(parentWindow)),
      messages_(::GetAncestor(parent_, GA_ROOT)) {}

Win32Platform::~Win32Platform() = default;

std::unique_ptr<ControlSurface> Win32Platform::CreateControlSurface() {
  return std::make_unique<Win32Surface>(parent_);
}

std::unique_ptr<TextBox> Win32Platform::CreateTextBox(ControlSurface& owner) {
  return std::make_unique<Win32TextBox>(FromWindowId(owner.WindowHandle()));
}

std::unique_ptr<Timer> Win32Platform::CreateTimer() { return std::make_unique<Win32Timer>(); }

std::unique_ptr<PictureSurface> Win32Platform::CreatePictureSurface(ControlSurface& owner) {
  return std::make_unique<Win32PictureSurface>(FromWindowId(owner.WindowHandle()));
}

}  // namespace kovra::win32
