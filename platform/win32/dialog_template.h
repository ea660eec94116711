// An empty dialog template in memory, for dialogs whose controls are made from a form's layout
// once the dialog exists (FormControls): only its styles and caption; size 0, no controls.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace kovra::win32 {

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, DWORD extendedStyle, std::wstring_view caption) {
    // DLGTEMPLATE, then the menu (none), the class (the standard one) and the caption.
    DLGTEMPLATE head{};
    head.style = style;
    head.dwExtendedStyle = extendedStyle;
    const auto* words = reinterpret_cast<const WORD*>(&head);
    words_.assign(words, words + sizeof head / sizeof(WORD));
    words_.push_back(0);
    words_.push_back(0);
    words_.insert(words_.end(), caption.begin(), caption.end());
    words_.push_back(0);
  }

  // Valid while the template lives; DWORD-aligned, as the dialog manager needs it.
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  std::vector<WORD> words_;
};

// The object a dialog procedure serves: kept with the dialog when WM_INITDIALOG brings it in
// lParam, and read back for every message (nullptr for the few that come before).
template <typename Owner>
Owner* DialogOwner(HWND dialog, UINT message, LPARAM lParam) {
  if (message == WM_INITDIALOG) ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
  return reinterpret_cast<Owner*>(::GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace kovra::win32
