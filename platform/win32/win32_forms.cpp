#include "platform/win32/win32_forms.h"

#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace kovra::win32 {

namespace {

// The stand-in form's window: the message box that shows the form has no handle of its own
// before it exists, so the form sees none.
class StandInWindow final : public FormWindow {
 public:
  explicit StandInWindow(FormCode& form) : form_(form) {}
  std::uintptr_t WindowHandle() const override { return 0; }
  TwipSize InnerSize() const override { return form_.Layout().inner; }
  void Unload() override {
    if (unloaded_) return;
    unloaded_ = true;
    form_.Form_Unload();
  }

 private:
  FormCode& form_;
  bool unloaded_ = false;
};

// The forms already showing on this thread: a second showing brings the first forward.
thread_local std::vector<const FormCode*> showing;

std::wstring SystemText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring result(text != nullptr ? text : L"", length);
  ::LocalFree(text);
  while (!result.empty() && (result.back() == L'\n' || result.back() == L'\r')) result.pop_back();
  return result;
}

}  // namespace

void Win32Forms::ShowModal(FormCode& form, std::uintptr_t owner) {
  if (std::find(showing.begin(), showing.end(), &form) != showing.end()) return;
  showing.push_back(&form);
  StandInWindow window(form);
  form.Form_Load(window);
  form.Form_Resize(window);
  std::wstring texts;
  for (const FormElement& element : form.Layout().elements) {
    if (element.kind == FormElementKind::Label || element.kind == FormElementKind::LinkLabel) {
      texts += element.caption + L"\n";
    }
  }
  HWND topLevel = owner != 0 ? ::GetAncestor(FromWindowId(owner), GA_ROOT) : nullptr;
  ::MessageBoxW(topLevel, texts.c_str(), form.Layout().caption.c_str(), MB_OK | MB_ICONINFORMATION);
  window.Unload();
  showing.erase(std::find(showing.begin(), showing.end(), &form));
}

ShellOutcome Win32Forms::ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                          std::wstring_view file) {
  ::SetLastError(ERROR_SUCCESS);
  const HINSTANCE answer =
      ::ShellExecuteW(FromWindowId(owner), std::wstring(verb).c_str(), std::wstring(file).c_str(),
                      nullptr, nullptr, SW_SHOWNORMAL);
  const DWORD error = ::GetLastError();
  ShellOutcome outcome;
  outcome.result = reinterpret_cast<std::intptr_t>(answer);
  if (outcome.Failed()) {
    outcome.errorNumber = static_cast<std::int32_t>(error);
    outcome.errorDescription = error != ERROR_SUCCESS ? SystemText(error) : std::wstring();
  }
  return outcome;
}

}  // namespace kovra::win32
