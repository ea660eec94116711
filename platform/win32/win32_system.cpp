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

void Win32System::ShowAbout(const std::wstring& caption, const std::wstring& versionLine) {
  ::MessageBoxW(nullptr, (L"KovraDouble\n" + versionLine).c_str(), caption.c_str(),
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace kovra::win32
