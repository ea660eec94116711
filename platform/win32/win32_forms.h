// Forms and the desktop shell on Windows: a form is a modal dialog built from its layout
// (modal_form.h), the shell is ShellExecuteW, and the library's version is read from its own
// version resource.
#pragma once

// Windows' own headers come before shellapi.h, which the implementation includes.
#include <windows.h>

#include "platform/forms.h"

namespace kovra::win32 {

class Win32Forms final : public FormServices {
 public:
  // The file version of the module that holds this code (major.minor.0.revision); the numbers
  // it is built with when the module carries no version resource (a test program).
  LibraryVersion OwnVersion() const override;
  void ShowModal(FormCode& form, std::uintptr_t owner) override;
  // ShellExecuteW(owner, verb, file) with the normal show state; on failure the thread's last
  // error and the system's text for it.
  ShellOutcome ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                std::wstring_view file) override;
};

}  // namespace kovra::win32
