// The window classes of this library: registered once per process on first use, unregistered
// when the module that holds this code unloads. Each window created with one of them carries
// its C++ owner, handed over as the creation parameter.
#pragma once

#include <windows.h>

namespace kovra::win32 {

// The module (the .ocx or the executable) that holds this code.
HINSTANCE ModuleInstance();

class WindowClass {
 public:
  WindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);
  ~WindowClass();
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  const wchar_t* Name() const { return name_; }

 private:
  const wchar_t* name_;
  bool registered_ = false;
};

// The owner pointer passed as lpParam of CreateWindowExW, kept in GWLP_USERDATA from
// WM_NCCREATE on; nullptr for the few messages that arrive before WM_NCCREATE.
void* WindowOwner(HWND window, UINT message, LPARAM lParam);

// Creates a window of `windowClass` whose owner is `owner`; throws std::system_error when the
// system refuses.
HWND CreateOwnedWindow(const WindowClass& windowClass, DWORD style, HWND parent, int width,
                       int height, void* owner);

}  // namespace kovra::win32
