// The system clipboard's Unicode text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/clipboard.h"
#include "platform/win32/handles.h"

namespace kovra::win32 {

// `text` with its terminating zero in new moveable global memory, as the clipboard and data
// objects carry text; empty when there is no memory for it.
UniqueGlobal GlobalText(std::wstring_view text);
// The text in `memory` up to its zero or to the end of the memory, whichever comes first;
// nothing when the memory cannot be locked.
std::optional<std::wstring> TextOfGlobal(HGLOBAL memory);

// The clipboard's CF_UNICODETEXT up to its terminating zero, or nothing when it holds no text;
// the clipboard is open only during the call, in the name of `window`. Throws ControlError
// when the clipboard stays held by another program.
std::optional<std::wstring> ReadClipboardText(HWND window);

class Win32Clipboard final : public Clipboard {
 public:
  Win32Clipboard();

  // The clipboard's CF_UNICODETEXT up to its terminating zero; empty when it holds no text.
  std::wstring GetText() override;
  // Empties the clipboard and puts `text` on it as CF_UNICODETEXT.
  void SetText(const std::wstring& text) override;

 private:
  // The clipboard owner: a message-only window of this library.
  UniqueWindow window_;
};

}  // namespace kovra::win32
