#include "platform/win32/win32_text_box.h"

#include <algorithm>
#include <array>
#include <string>
#include <system_error>
#include <utility>

#include "platform/win32/gdi_font.h"
#include "platform/win32/mouse_messages.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_drag_source.h"
#include "platform/win32/win32_drop_target.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

// The window property under which an EDIT window carries its Win32TextBox.
constexpr const wchar_t* kOwnerProperty = L"KovraDouble.TextBox";

// The keyboard state of a shift combination, in force for the thread for the scope; what was
// there before comes back afterwards.
class KeyboardStateOverride {
 public:
  explicit KeyboardStateOverride(std::int16_t shift) {
    saved_ = ::GetKeyboardState(previous_.data()) != FALSE;
    std::array<BYTE, 256> state = previous_;
    const auto set = [&state](int key, bool down) {
      state[static_cast<std::size_t>(key)] = down ? 0x80 : 0x00;
    };
    const bool shiftDown = (shift & shift_state::Shift) != 0;
    const bool ctrlDown = (shift & shift_state::Ctrl) != 0;
    const bool altDown = (shift & shift_state::Alt) != 0;
    set(VK_SHIFT, shiftDown);
    set(VK_LSHIFT, shiftDown);
    set(VK_RSHIFT, false);
    set(VK_CONTROL, ctrlDown);
    set(VK_LCONTROL, ctrlDown);
    set(VK_RCONTROL, false);
    set(VK_MENU, altDown);
    set(VK_LMENU, altDown);
    set(VK_RMENU, false);
    ::SetKeyboardState(state.data());
  }
  ~KeyboardStateOverride() {
    if (saved_) ::SetKeyboardState(previous_.data());
  }
  KeyboardStateOverride(const KeyboardStateOverride&) = delete;
  KeyboardStateOverride& operator=(const KeyboardStateOverride&) = delete;

 private:
  std::array<BYTE, 256> previous_{};
  bool saved_ = false;
};

bool IsExtendedKey(std::int16_t keyCode) {
  switch (keyCode) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

// The lParam of a key message as the keyboard driver builds it: repeat count 1, the scan code,
// the extended-key flag, and for a release the previous-state and transition bits.
LPARAM KeyParameter(std::int16_t keyCode, bool release) {
  const UINT scanCode =
      ::MapVirtualKeyW(static_cast<UINT>(static_cast<std::uint16_t>(keyCode)), MAPVK_VK_TO_VSC);
  std::uint32_t bits = 1u | ((scanCode & 0xFFu) << 16);
  if (IsExtendedKey(keyCode)) bits |= 1u << 24;
  if (release) bits |= (1u << 30) | (1u << 31);
  return static_cast<LPARAM>(bits);
}

WPARAM KeyCodeParameter(std::int16_t keyCode) {
  return static_cast<WPARAM>(static_cast<std::uint16_t>(keyCode));
}

// Restores a member to its value at the start of the scope.
template <typename T>
class ScopedValue {
 public:
  ScopedValue(T& variable, T value) : variable_(variable), saved_(variable) { variable_ = value; }
  ~ScopedValue() { variable_ = saved_; }
  ScopedValue(const ScopedValue&) = delete;
  ScopedValue& operator=(const ScopedValue&) = delete;

 private:
  T& variable_;
  T saved_;
};

}  // namespace

Win32TextBox::Win32TextBox(HWND parent) : gdiFont_(CreateGdiFont(*font_)) {
  RECT client{};
  ::GetClientRect(parent, &client);
  edit_.reset(::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL,
                                0, 0, client.right - client.left, client.bottom - client.top,
                                parent, nullptr, ModuleInstance(), nullptr));
  if (!edit_) {
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "CreateWindowExW(EDIT)");
  }
  // As long as the text the program may assign: no limit on what the user types either.
  ::SendMessageW(edit_.get(), EM_SETLIMITTEXT, 0, 0);
  ::SendMessageW(edit_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(gdiFont_.get()), FALSE);
  ::SetPropW(edit_.get(), kOwnerProperty, this);
  editProcedure_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(edit_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProcedure)));
}

Win32TextBox::~Win32TextBox() {
  events_ = nullptr;
  if (!edit_) return;  // already destroyed with its parent
  LetDropTargetGo(edit_.get());
  ::SetWindowLongPtrW(edit_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure_));
  ::RemovePropW(edit_.get(), kOwnerProperty);
}

std::wstring Win32TextBox::Text() const {
  const int length = ::GetWindowTextLengthW(edit_.get());
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(edit_.get(), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

void Win32TextBox::SetText(const std::wstring& text) {
  {
    const ScopedValue depth(callDepth_, callDepth_ + 1);
    const ScopedValue pending(assignmentPending_, true);
    ::SetWindowTextW(edit_.get(), text.c_str());
    if (assignmentPending_) OnChange();  // the EDIT kept quiet: notify as it should have
  }
  RethrowHandlerError();
}

template <typename Action>
bool Win32TextBox::Guarded(Action&& action) {
  try {
    action();
    return true;
  } catch (...) {
    if (callDepth_ > 0) {
      if (!handlerError_) handlerError_ = std::current_exception();
    } else {
      std::string message = "KovraDouble: an error in a Text1 handler had no caller: ";
      try {
        throw;
      } catch (const std::exception& e) {
        message += e.what();
      } catch (...) {
        message += "unknown exception";
      }
      message += '\n';
      ::OutputDebugStringA(message.c_str());
    }
    return false;
  }
}

void Win32TextBox::RethrowHandlerError() {
  if (handlerError_) std::rethrow_exception(std::exchange(handlerError_, nullptr));
}

void Win32TextBox::Paste() {
  if (Locked()) return;
  std::optional<std::wstring> text;
  if (!Guarded([&] { text = ReadClipboardText(edit_.get()); }) || !text) return;
  text->resize(std::min(text->find_first_of(L"\r\n"), text->size()));
  if (text->empty() && SelLength() == 0) return;
  // The clipboard is closed again: the change notification may use it.
  ::SendMessageW(edit_.get(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text->c_str()));
}

void Win32TextBox::OnChange() {
  if (assignmentPending_) {
    assignmentPending_ = false;
    Select(0, 0);
  }
  if (events_ != nullptr) Guarded([this] { events_->Text1_Change(); });
}

bool Win32TextBox::ReflectNotification(HWND child, WORD code) {
  auto* box = static_cast<Win32TextBox*>(::GetPropW(child, kOwnerProperty));
  if (box == nullptr) return false;
  if (code == EN_CHANGE) box->OnChange();
  return true;
}

void Win32TextBox::Select(int start, int end) {
  ::SendMessageW(edit_.get(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

int Win32TextBox::SelStart() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(edit_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(start);
}

int Win32TextBox::SelLength() const {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageW(edit_.get(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void Win32TextBox::SetSelStart(int start) {
  start = std::clamp(start, 0, ::GetWindowTextLengthW(edit_.get()));
  Select(start, start);
}

void Win32TextBox::SetSelLength(int length) {
  const int start = SelStart();
  length = std::clamp(length, 0, ::GetWindowTextLengthW(edit_.get()) - start);
  Select(start, start + length);
}

bool Win32TextBox::Locked() const {
  return (::GetWindowLongPtrW(edit_.get(), GWL_STYLE) & ES_READONLY) != 0;
}

void Win32TextBox::SetLocked(bool locked) {
  ::SendMessageW(edit_.get(), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

void Win32TextBox::SetFont(FontRef font) {
  UniqueFont gdiFont = CreateGdiFont(*font);
  ::SendMessageW(edit_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(gdiFont.get()), TRUE);
  gdiFont_ = std::move(gdiFont);  // the old font goes only after the EDIT has let go of it
  font_ = std::move(font);
}

void Win32TextBox::SetFocus() { ::SetFocus(edit_.get()); }

void Win32TextBox::OLEDrag() {
  const std::wstring text = Text();
  const int start = SelStart();
  const int length = SelLength();
  RunTextDrag(length > 0
                  ? text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length))
                  : text,
              events_);
}

void Win32TextBox::SetOLEDropMode(std::int16_t mode) {
  TextBox::SetOLEDropMode(mode);
  const bool wanted = mode == 1;
  if (wanted == (dropTarget_ != nullptr)) return;
  if (!wanted) {
    LetDropTargetGo(edit_.get());
    return;
  }
  DropTargetRef target(new DropTarget(edit_.get(), [this] { return events_; }));
  // The registration holds a reference of its own.
  if (SUCCEEDED(::RegisterDragDrop(edit_.get(), target.get()))) dropTarget_ = std::move(target);
}

void Win32TextBox::LetDropTargetGo(HWND edit) {
  if (dropTarget_ == nullptr) return;
  ::RevokeDragDrop(edit);
  dropTarget_.reset();
}

void Win32TextBox::PressKey(std::int16_t keyCode, std::int16_t shift, wchar_t character) {
  {
    const ScopedValue depth(callDepth_, callDepth_ + 1);
    const KeyboardStateOverride keyboard(shift);
    const ScopedValue<std::optional<std::int16_t>> pressed(pressedShift_, shift);
    HWND edit = edit_.get();
    // A handler that throws ends the key there.
    ::SendMessageW(edit, WM_KEYDOWN, KeyCodeParameter(keyCode), KeyParameter(keyCode, false));
    if (character != 0 && !handlerError_) {
      ::SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(character), KeyParameter(keyCode, false));
    }
    if (!handlerError_) {
      ::SendMessageW(edit, WM_KEYUP, KeyCodeParameter(keyCode), KeyParameter(keyCode, true));
    }
  }
  RethrowHandlerError();
}

void Win32TextBox::DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift,
                                float x, float y) {
  {
    const ScopedValue depth(callDepth_, callDepth_ + 1);
    if (!SendMouseMessage(edit_.get(), action, button, shift, x, y)) {
      Guarded([&] { Report(action, button, shift, x, y); });
    }
  }
  RethrowHandlerError();
}

std::int16_t Win32TextBox::CurrentShift() const {
  if (pressedShift_) return *pressedShift_;
  std::int16_t shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= shift_state::Shift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= shift_state::Ctrl;
  if (::GetKeyState(VK_MENU) < 0) shift |= shift_state::Alt;
  return shift;
}

LRESULT CALLBACK Win32TextBox::EditProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* box = static_cast<Win32TextBox*>(::GetPropW(window, kOwnerProperty));
  if (box == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
  return box->OnEditMessage(message, wParam, lParam);
}

LRESULT Win32TextBox::OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND edit = edit_.get();
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      auto keyCode = static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam));
      std::int16_t shift = CurrentShift();
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      if (events_ != nullptr && !Guarded([&] {
            if (down) {
              events_->Text1_KeyDown(keyCode, shift);
            } else {
              events_->Text1_KeyUp(keyCode, shift);
            }
          })) {
        return 0;
      }
      if (keyCode == 0) return 0;
      wParam = KeyCodeParameter(keyCode);
      break;
    }
    case WM_CHAR: {
      auto keyAscii = static_cast<std::int16_t>(static_cast<std::uint16_t>(wParam));
      if (events_ != nullptr && !Guarded([&] { events_->Text1_KeyPress(keyAscii); })) return 0;
      if (keyAscii == 0) return 0;
      wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(keyAscii));
      break;
    }
    case WM_PASTE:
      Paste();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE: {
      // The EDIT acts on the mouse first (caret, selection); then the control hears of it.
      const LRESULT result = ::CallWindowProcW(editProcedure_, edit, message, wParam, lParam);
      if (const auto n = DecodeMouseMessage(message, wParam, lParam)) {
        Guarded([&] { Report(n->action, n->button, n->shift, n->x, n->y); });
      }
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = ::CallWindowProcW(editProcedure_, edit, message, wParam, lParam);
      if (focusObserver_) {
        const FocusChange change = message == WM_SETFOCUS ? FocusChange::Gained : FocusChange::Lost;
        Guarded([&] { focusObserver_(change, reinterpret_cast<HWND>(wParam)); });
      }
      return result;
    }
    case WM_NCDESTROY: {
      // The parent went first and took the EDIT with it: the handle is no longer ours.
      LetDropTargetGo(edit);
      ::RemovePropW(edit, kOwnerProperty);
      ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure_));
      [[maybe_unused]] HWND released = edit_.release();
      return ::CallWindowProcW(editProcedure_, edit, message, wParam, lParam);
    }
    default:
      break;
  }
  return ::CallWindowProcW(editProcedure_, edit, message, wParam, lParam);
}

}  // namespace kovra::win32
