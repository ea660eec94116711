#include "platform/win32/win32_message_dialog.h"

#include "platform/win32/handles.h"

namespace kovra::win32 {

UINT Win32MessageDialog::IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Critical:
      return MB_ICONHAND;
    case MessageIcon::Question:
      return MB_ICONQUESTION;
    case MessageIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::Information:
      return MB_ICONASTERISK;
  }
  return 0;
}

void Win32MessageDialog::Show(std::uintptr_t owner, const std::wstring& text,
                              const std::wstring& title, MessageIcon icon) {
  HWND topLevel = owner != 0 ? ::GetAncestor(FromWindowId(owner), GA_ROOT) : nullptr;
  ::MessageBoxW(topLevel, text.c_str(), title.c_str(), MB_OK | IconFlag(icon));
}

}  // namespace kovra::win32
