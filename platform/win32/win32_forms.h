// Forms and the desktop shell on Windows. The shell is ShellExecuteW. The modal form is a
// stand-in until the dialog built from a form's layout exists (it comes with the COM control's
// property pages): it runs the form's load and first resize, shows the caption and the texts of
// its labels in a message box, and unloads the form when the box is closed.
#pragma once

// Windows' own headers come before shellapi.h, which the implementation includes.
#include <windows.h>

#include "platform/forms.h"

namespace kovra::win32 {

class Win32Forms final : public FormServices {
 public:
  void ShowModal(FormCode& form, std::uintptr_t owner) override;
  // ShellExecuteW(owner, verb, file) with the normal show state; on failure the thread's last
  // error and the system's text for it.
  ShellOutcome ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                std::wstring_view file) override;
};

}  // namespace kovra::win32
