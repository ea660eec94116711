#include "platform/win32/win32_system.h"

#include "platform/win32/handles.h"

namespace kovra::win32 {

bool Win32System::ThemeLibraryAvailable() {
  const UniqueLibrary library(::LoadLibraryW(L"uxtheme.dll"));
  return library != nullptr;
}

void Win32System::LockWindowUpdate(std::uintptr_t window) {
  ::LockWindowUpdate(FromWindowId(window));
}

}  // namespace kovra::win32
