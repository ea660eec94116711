// Small system services: whether the visual-styles library can be loaded, and the lock that stops
// a window from repainting while its contents are rewritten.
#pragma once

#include <cstdint>

namespace kovra {

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // True when "uxtheme.dll" can be loaded (it is released again at once).
  virtual bool ThemeLibraryAvailable() = 0;
  // Locks window updates of `window`; `window` 0 releases the lock.
  virtual void LockWindowUpdate(std::uintptr_t window) = 0;
};

}  // namespace kovra
