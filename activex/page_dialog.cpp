#include "activex/page_dialog.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "activex/com_error.h"
#include "platform/win32/dialog_template.h"
#include "platform/win32/window_class.h"

namespace kovra::activex {

namespace {

constexpr UINT_PTR kSheetListener = 0x4B44;  // "KD": our subclass of the parent

std::wstring TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace

PageDialog::PageDialog(pages::PropertyPage& page, HWND parent, const RECT& place, Listener listener)
    : page_(page), listener_(std::move(listener)), parent_(parent) {
  const win32::DialogTemplate dialog(WS_CHILD | DS_CONTROL | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                                     L"");
  ::CreateDialogIndirectParamW(win32::ModuleInstance(), dialog.get(), parent, &Procedure,
                               reinterpret_cast<LPARAM>(this));
  if (dialog_ == nullptr) throw ComError(HRESULT_FROM_WIN32(::GetLastError()));
  ::SetWindowPos(dialog_, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowSubclass(parent_, &ParentProcedure, kSheetListener, reinterpret_cast<DWORD_PTR>(this));
}

PageDialog::~PageDialog() {
  ::RemoveWindowSubclass(parent_, &ParentProcedure, kSheetListener);
  ::DestroyWindow(dialog_);
}

void PageDialog::ShowModel() {
  if (controls_) controls_->Show(page_.Form());
}

bool PageDialog::TranslateKeys(MSG& message) {
  if (message.hwnd != dialog_ && !::IsChild(dialog_, message.hwnd)) return false;
  return ::IsDialogMessageW(dialog_, &message) != FALSE;
}

INT_PTR CALLBACK PageDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = win32::DialogOwner<PageDialog>(dialog, message, lParam);
  if (self == nullptr) return FALSE;
  if (message == WM_INITDIALOG) self->dialog_ = dialog;
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    return FALSE;  // an edit the page cannot take changes nothing
  }
}

LRESULT CALLBACK PageDialog::ParentProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
  const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_APPLY) {
    const auto& applied = reinterpret_cast<PageDialog*>(self)->listener_.applied;
    if (applied) applied();
  }
  return result;
}

INT_PTR PageDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      controls_ = std::make_unique<win32::FormControls>(dialog_, page_.Form());
      return FALSE;  // the frame decides where the focus goes
    case WM_COMMAND: {
      const auto element =
          controls_ ? controls_->ElementOf(LOWORD(wParam)) : std::optional<std::size_t>();
      if (element && !controls_->Showing()) Edited(*element, HIWORD(wParam));
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      if (!controls_) return FALSE;
      return reinterpret_cast<INT_PTR>(controls_->StaticColours(
          reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), page_.Form()));
    default:
      return FALSE;
  }
}

void PageDialog::Edited(std::size_t element, int code) {
  const FormElement& edited = page_.Form().elements[element];
  const std::wstring name = edited.name;
  switch (edited.kind) {
    case FormElementKind::TextBox:
      if (code != EN_CHANGE) return;
      page_.TypeText(name, TextOf(controls_->Window(element)));
      break;
    case FormElementKind::CheckBox:
      if (code != BN_CLICKED) return;
      page_.ClickCheckBox(name);
      break;
    case FormElementKind::ComboBox: {
      if (code != CBN_SELCHANGE) return;
      const LRESULT chosen = ::SendMessageW(controls_->Window(element), CB_GETCURSEL, 0, 0);
      if (chosen == CB_ERR) return;
      page_.ChooseItem(name, static_cast<int>(chosen));
      break;
    }
    default:
      return;
  }
  ShowModel();
  if (listener_.edited) listener_.edited();
}

}  // namespace kovra::activex
