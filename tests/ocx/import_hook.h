// For tests: while an ImportHook lives, a loaded module's calls to one function it imports by
// name go to a replacement of the test's instead; the hook hands back the original, which the
// replacement may call on. The module's import table is restored when the hook goes.
#pragma once

#include <windows.h>

namespace kovra::ocx_test {

class ImportHook {
 public:
  // Hooks `function` of `dll` as `module` imports it; Installed() is false when it does not.
  ImportHook(HMODULE module, const char* dll, const char* function, void* replacement);
  ~ImportHook();
  ImportHook(const ImportHook&) = delete;
  ImportHook& operator=(const ImportHook&) = delete;

  bool Installed() const { return slot_ != nullptr; }
  // What the module called before the hook.
  void* Original() const { return original_; }

 private:
  void** slot_ = nullptr;
  void* original_ = nullptr;
};

}  // namespace kovra::ocx_test
