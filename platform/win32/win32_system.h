// Small system services on Windows.
#pragma once

#include "platform/system_services.h"

namespace kovra::win32 {

class Win32System final : public SystemServices {
 public:
  // True when LoadLibraryW("uxtheme.dll") succeeds; the library is freed again at once.
  bool ThemeLibraryAvailable() override;
  // ::LockWindowUpdate(`window`); 0 releases the lock.
  void LockWindowUpdate(std::uintptr_t window) override;
};

}  // namespace kovra::win32
