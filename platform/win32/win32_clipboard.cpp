#include "platform/win32/win32_clipboard.h"

#include <cstring>

#include "base/control_error.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

// The clipboard opened for the scope. Another program may hold it for a moment, so opening is
// tried a few times before the operation fails.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    constexpr int kAttempts = 10;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
      if (::OpenClipboard(owner) != FALSE) {
        open_ = true;
        return;
      }
      ::Sleep(10);
    }
    throw ControlError(ErrorCode::InvalidArgument, "Can't open Clipboard");
  }
  ~OpenedClipboard() {
    if (open_) ::CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

 private:
  bool open_ = false;
};

const WindowClass& ClipboardClass() {
  static const WindowClass windowClass(L"KovraDoubleClipboard", &::DefWindowProcW, nullptr);
  return windowClass;
}

}  // namespace

Win32Clipboard::Win32Clipboard()
    : window_(CreateOwnedWindow(ClipboardClass(), 0, HWND_MESSAGE, 0, 0, nullptr)) {}

UniqueGlobal GlobalText(std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  UniqueGlobal memory(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes));
  if (!memory) return memory;
  const GlobalLockGuard<wchar_t> locked(memory.get());
  if (locked.get() == nullptr) return {};
  std::memcpy(locked.get(), text.data(), text.size() * sizeof(wchar_t));  // the zero is there
  return memory;
}

std::optional<std::wstring> TextOfGlobal(HGLOBAL memory) {
  const GlobalLockGuard<const wchar_t> locked(memory);
  if (locked.get() == nullptr) return std::nullopt;
  const std::size_t capacity = ::GlobalSize(memory) / sizeof(wchar_t);
  std::size_t length = 0;
  while (length < capacity && locked.get()[length] != L'\0') ++length;
  return std::wstring(locked.get(), length);
}

std::optional<std::wstring> ReadClipboardText(HWND window) {
  const OpenedClipboard clipboard(window);
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return std::nullopt;
  return TextOfGlobal(data);
}

std::wstring Win32Clipboard::GetText() { return ReadClipboardText(window_.get()).value_or(L""); }

void Win32Clipboard::SetText(const std::wstring& text) {
  UniqueGlobal memory = GlobalText(text);
  if (!memory) throw ControlError(ErrorCode::InvalidArgument, "Out of memory");
  const OpenedClipboard clipboard(window_.get());
  ::EmptyClipboard();
  if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
    throw ControlError(ErrorCode::InvalidArgument, "Can't open Clipboard");
  }
  memory.release();  // the clipboard owns it now
}

}  // namespace kovra::win32
