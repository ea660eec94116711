#include "platform/win32/test_support/message_box_recorder.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <utility>

namespace kovra::win32 {

namespace {

// The recorders alive on this thread, oldest first.
thread_local std::vector<MessageBoxRecorder*> t_recorders;
// The boxes already read and told to close (a box is activated more than once, and each
// recorder's hook sees it), until they are destroyed.
thread_local std::vector<HWND> t_answered;

// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

bool HasClass(HWND window, const wchar_t* name) {
  std::array<wchar_t, 64> className{};
  const int length = ::GetClassNameW(window, className.data(), static_cast<int>(className.size()));
  return length > 0 && ::lstrcmpiW(className.data(), name) == 0;
}

bool IsMessageBox(HWND window) {
  return HasClass(window, L"#32770") && ::GetDlgItem(window, kMessageTextId) != nullptr;
}

// Stops at the icon control among a box's children and keeps its image in `*found` (an HICON).
// A named callback, not a lambda: 32-bit Windows calls it with the stdcall convention.
BOOL CALLBACK KeepIconOfChild(HWND child, LPARAM found) {
  if (!HasClass(child, L"Static")) return TRUE;
  if ((::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) return TRUE;
  *reinterpret_cast<HICON*>(found) =
      reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
  return FALSE;
}

// Appends the text of a label among a dialog's children, and a line break, to `*texts`.
BOOL CALLBACK AppendLabelText(HWND child, LPARAM texts) {
  if (HasClass(child, L"Static") &&
      (::GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) <= SS_RIGHT) {
    *reinterpret_cast<std::wstring*>(texts) += WindowText(child) + L"\n";
  }
  return TRUE;
}

// The image of the box's icon control (the static child with SS_ICON), or nullptr.
HICON ShownIcon(HWND dialog) {
  HICON icon = nullptr;
  ::EnumChildWindows(dialog, &KeepIconOfChild, reinterpret_cast<LPARAM>(&icon));
  return icon;
}

// The standard icon whose shared system image `icon` is.
std::optional<MessageIcon> RecogniseIcon(HICON icon) {
  if (icon == nullptr) return std::nullopt;
  const std::array<std::pair<LPCWSTR, MessageIcon>, 4> standard{{
      {IDI_HAND, MessageIcon::Critical},
      {IDI_QUESTION, MessageIcon::Question},
      {IDI_EXCLAMATION, MessageIcon::Exclamation},
      {IDI_ASTERISK, MessageIcon::Information},
  }};
  for (const auto& [resource, meaning] : standard) {
    if (::LoadIconW(nullptr, resource) == icon) return meaning;
  }
  return std::nullopt;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder()
    : hook_(::SetWindowsHookExW(WH_CBT, &HookProcedure, nullptr, ::GetCurrentThreadId())) {
  if (!hook_) {
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                            "SetWindowsHookExW(WH_CBT)");
  }
  t_recorders.push_back(this);
}

MessageBoxRecorder::~MessageBoxRecorder() { std::erase(t_recorders, this); }

LRESULT CALLBACK MessageBoxRecorder::HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  MessageBoxRecorder* recorder = t_recorders.empty() ? nullptr : t_recorders.back();
  if (recorder != nullptr) {
    auto* window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && IsMessageBox(window)) {
      recorder->Answer(window);
    } else if (code == HCBT_ACTIVATE && HasClass(window, L"#32770")) {
      recorder->AnswerForm(window);
    } else if (code == HCBT_DESTROYWND) {
      std::erase(t_answered, window);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxRecorder::Answer(HWND dialog) {
  if (std::ranges::find(t_answered, dialog) != t_answered.end()) return;
  t_answered.push_back(dialog);
  recorded_.push_back({WindowText(::GetDlgItem(dialog, kMessageTextId)), WindowText(dialog),
                       RecogniseIcon(ShownIcon(dialog))});
  if (observer_) observer_(recorded_.back());
  // Activation comes before the box's message loop runs; the loop then finds the OK click.
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

void MessageBoxRecorder::AnswerForm(HWND dialog) {
  if (std::ranges::find(t_answered, dialog) != t_answered.end()) return;
  t_answered.push_back(dialog);
  if (driver_ && driver_(dialog)) return;
  RecordedMessageBox form{{}, WindowText(dialog), std::nullopt};
  ::EnumChildWindows(dialog, &AppendLabelText, reinterpret_cast<LPARAM>(&form.text));
  if (!form.text.empty()) form.text.pop_back();
  recorded_.push_back(std::move(form));
  if (observer_) observer_(recorded_.back());
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace kovra::win32
