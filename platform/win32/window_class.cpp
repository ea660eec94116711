#include "platform/win32/window_class.h"

#include <system_error>

namespace kovra::win32 {

HINSTANCE ModuleInstance() {
  HMODULE module = nullptr;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
  return module;
}

WindowClass::WindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) : name_(name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;  // a second press arrives as a double click
  wc.lpfnWndProc = procedure;
  wc.hInstance = ModuleInstance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  if (::RegisterClassExW(&wc) == 0) {
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "RegisterClassExW");
  }
  registered_ = true;
}

WindowClass::~WindowClass() {
  if (registered_) ::UnregisterClassW(name_, ModuleInstance());
}

void* WindowOwner(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    void* owner = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return owner;
  }
  return reinterpret_cast<void*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

HWND CreateOwnedWindow(const WindowClass& windowClass, DWORD style, HWND parent, int width,
                       int height, void* owner) {
  HWND window = ::CreateWindowExW(0, windowClass.Name(), L"", style, 0, 0, width, height, parent,
                                  nullptr, ModuleInstance(), owner);
  if (window == nullptr) {
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "CreateWindowExW");
  }
  return window;
}

}  // namespace kovra::win32
