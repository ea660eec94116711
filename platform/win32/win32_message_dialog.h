// The modal message box, owned by the window the control lives in.
#pragma once

#include <windows.h>

#include "platform/message_dialog.h"

namespace kovra::win32 {

class Win32MessageDialog final : public MessageDialog {
 public:
  // `owner` is disabled while a box is up (nullptr: the box has no owner).
  explicit Win32MessageDialog(HWND owner) : owner_(owner) {}

  // MessageBoxW with an OK button and the icon; returns when the box is closed. A box the
  // system cannot create is not shown (the control goes on as after OK).
  void Show(const std::wstring& text, const std::wstring& title, MessageIcon icon) override;

  // The MB_ICON* flag of `icon`.
  static UINT IconFlag(MessageIcon icon);

 private:
  HWND owner_;
};

}  // namespace kovra::win32
