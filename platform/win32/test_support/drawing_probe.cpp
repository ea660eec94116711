#include "platform/win32/test_support/drawing_probe.h"

#include <windows.h>

#include "platform/win32/gdi_objects.h"
#include "platform/win32/handles.h"

namespace kovra::win32 {

namespace {

// uxtheme's unnamed exports that the desktop's settings use to change the style.
using OpenThemeFileFn = HRESULT(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, HANDLE*, DWORD);
using CloseThemeFileFn = HRESULT(WINAPI*)(HANDLE);
using ApplyThemeFn = HRESULT(WINAPI*)(HANDLE, char*, HWND);
constexpr WORD kOpenThemeFile = 2;
constexpr WORD kCloseThemeFile = 3;
constexpr WORD kApplyTheme = 4;

template <typename Fn>
Fn Export(HMODULE module, WORD ordinal) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(::GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

int LiveGdiObjectCount() { return LiveGdiObjects(); }

int ProcessGdiObjects() {
  return static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
}

bool ApplyVisualStyle(const std::wstring& msstylesPath) {
  const UniqueLibrary uxtheme(::LoadLibraryW(L"uxtheme.dll"));
  if (!uxtheme) return false;
  const auto open = Export<OpenThemeFileFn>(uxtheme.get(), kOpenThemeFile);
  const auto close = Export<CloseThemeFileFn>(uxtheme.get(), kCloseThemeFile);
  const auto apply = Export<ApplyThemeFn>(uxtheme.get(), kApplyTheme);
  if (open == nullptr || close == nullptr || apply == nullptr) return false;
  HANDLE file = nullptr;
  if (FAILED(open(msstylesPath.c_str(), nullptr, nullptr, &file, 0)) || file == nullptr) {
    return false;
  }
  const bool applied = SUCCEEDED(apply(file, nullptr, nullptr));
  close(file);
  return applied;
}

void RemoveVisualStyle() {
  const UniqueLibrary uxtheme(::LoadLibraryW(L"uxtheme.dll"));
  if (!uxtheme) return;
  if (const auto apply = Export<ApplyThemeFn>(uxtheme.get(), kApplyTheme)) {
    apply(nullptr, nullptr, nullptr);
  }
}

std::wstring WineLightStylePath() {
  wchar_t windows[MAX_PATH] = {};
  const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows, length) + L"\\resources\\themes\\light\\light.msstyles";
}

}  // namespace kovra::win32
