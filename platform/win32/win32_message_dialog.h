// The modal message box, owned by the top-level window of the owner it is given.
#pragma once

#include <windows.h>

#include "platform/message_dialog.h"

namespace kovra::win32 {

class Win32MessageDialog final : public MessageDialog {
 public:
  // MessageBoxW with an OK button and the icon, owned by the top-level window of `owner` (which
  // is disabled while the box is up; 0: no owner); returns when the box is closed. A box the
  // system cannot create is not shown (the control goes on as after OK).
  void Show(std::uintptr_t owner, const std::wstring& text, const std::wstring& title,
            MessageIcon icon) override;

  // The MB_ICON* flag of `icon`.
  static UINT IconFlag(MessageIcon icon);
};

}  // namespace kovra::win32
