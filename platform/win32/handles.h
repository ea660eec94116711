// Owners for the Win32 handles the platform creates: each is released exactly once, by the
// owner's destructor, and never copied.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>
#include <utility>

namespace kovra::win32 {

struct WindowDestroyer {
  void operator()(HWND window) const noexcept { ::DestroyWindow(window); }
};
// A window this code created; destroyed with its owner.
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const noexcept { ::DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;

struct HookRemover {
  void operator()(HHOOK hook) const noexcept { ::UnhookWindowsHookEx(hook); }
};
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover>;

struct LibraryFreer {
  void operator()(HMODULE module) const noexcept { ::FreeLibrary(module); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

struct GlobalFreer {
  void operator()(HGLOBAL memory) const noexcept { ::GlobalFree(memory); }
};
// Movable global memory that nobody else owns yet (ownership passes to the clipboard with
// release() once SetClipboardData has taken it).
using UniqueGlobal = std::unique_ptr<void, GlobalFreer>;

// A screen device context, released at the end of the scope.
class ScreenDC {
 public:
  ScreenDC() : dc_(::GetDC(nullptr)) {}
  ~ScreenDC() {
    if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Global memory locked for the scope: the pointer is valid only while the lock lives.
template <typename T>
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL memory)
      : memory_(memory), data_(static_cast<T*>(::GlobalLock(memory))) {}
  ~GlobalLockGuard() {
    if (data_ != nullptr) ::GlobalUnlock(memory_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  T* get() const { return data_; }

 private:
  HGLOBAL memory_;
  T* data_;
};

// The handle as the platform-neutral interfaces carry it, and back.
inline std::uintptr_t ToWindowId(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }
inline HWND FromWindowId(std::uintptr_t window) { return reinterpret_cast<HWND>(window); }

}  // namespace kovra::win32
