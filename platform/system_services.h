// Small system services: whether the visual-styles library can be loaded, the lock that stops a
// window from repainting while its contents are rewritten, and the About box.
#pragma once

#include <cstdint>
#include <string>

namespace kovra {

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // True when "uxtheme.dll" can be loaded (it is released again at once).
  virtual bool ThemeLibraryAvailable() = 0;
  // Locks window updates of `window`; `window` 0 releases the lock.
  virtual void LockWindowUpdate(std::uintptr_t window) = 0;
  // Shows the control's About box modally with `caption` and `versionLine`; returns when the
  // user has closed it.
  virtual void ShowAbout(const std::wstring& caption, const std::wstring& versionLine) = 0;
};

}  // namespace kovra
