#include "platform/win32/modal_form.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "platform/win32/dialog_template.h"
#include "platform/win32/form_controls.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

namespace kovra::win32 {

namespace {

class ModalForm;

// The forms showing on this thread, with their dialogs.
thread_local std::vector<ModalForm*> showing;

class ModalForm final : public FormWindow {
 public:
  explicit ModalForm(FormCode& form) : form_(form) {}

  const FormCode& Code() const { return form_; }
  HWND Dialog() const { return dialog_; }

  std::uintptr_t WindowHandle() const override { return ToWindowId(dialog_); }
  TwipSize InnerSize() const override {
    RECT client{};
    ::GetClientRect(dialog_, &client);
    return controls_ ? controls_->ToTwips({client.right, client.bottom}) : form_.Layout().inner;
  }
  void Unload() override {
    if (unloaded_) return;
    unloaded_ = true;
    form_.Form_Unload();
    ::EndDialog(dialog_, IDOK);
  }

  void Run(HWND owner) {
    const DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME,
                                0, form_.Layout().caption);
    ::DialogBoxIndirectParamW(ModuleInstance(), dialog.get(), owner, &Procedure,
                              reinterpret_cast<LPARAM>(this));
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = DialogOwner<ModalForm>(dialog, message, lParam);
    if (form == nullptr) return FALSE;
    if (message == WM_INITDIALOG) form->dialog_ = dialog;
    // The form's code runs inside the dialog manager's loop: what it throws is carried out.
    try {
      return form->Handle(message, wParam, lParam);
    } catch (...) {
      if (!form->failure_) form->failure_ = std::current_exception();
      if (!form->unloaded_) {
        form->unloaded_ = true;
        ::EndDialog(dialog, IDABORT);
      }
      return TRUE;
    }
  }

  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_INITDIALOG:
        Load();
        return TRUE;  // the first control in the tab order takes the focus
      case WM_SIZE:
        if (controls_ && !unloaded_) {
          resized_ = true;
          form_.Form_Resize(*this);
          ShowLayout();
        }
        return TRUE;
      case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(dialog_, &paint);
        if (controls_) controls_->PaintPictures(dc, form_.Layout());
        ::EndPaint(dialog_, &paint);
        return TRUE;
      }
      case WM_DRAWITEM:
        return controls_ && controls_->DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                                                  form_.Layout());
      case WM_CTLCOLORSTATIC:
        if (!controls_) return FALSE;
        return reinterpret_cast<INT_PTR>(controls_->StaticColours(
            reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), form_.Layout()));
      default:
        return FALSE;
    }
  }

  // Form_Load, the windows of the layout, the inner size the layout gives, centred on the
  // screen; the size change delivers the first Form_Resize.
  void Load() {
    form_.Form_Load(*this);
    controls_ = std::make_unique<FormControls>(dialog_, form_.Layout());
    const SIZE inner = controls_->ToPixels(form_.Layout().inner);
    RECT frame{0, 0, inner.cx, inner.cy};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(dialog_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT desktop{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    ::SetWindowPos(dialog_, nullptr, desktop.left + (desktop.right - desktop.left - width) / 2,
                   desktop.top + (desktop.bottom - desktop.top - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // A size the system did not change sends no WM_SIZE: the first resize comes anyway.
    if (!resized_) {
      form_.Form_Resize(*this);
      ShowLayout();
    }
  }

  void ShowLayout() {
    if (controls_ && !unloaded_) controls_->Show(form_.Layout());
  }

  void Command(int id, int code) {
    if (id == IDCANCEL) return Unload();
    if (id == IDOK) return ClickDefaultButton();
    const std::optional<std::size_t> index = controls_ ? controls_->ElementOf(id) : std::nullopt;
    // BN_CLICKED and STN_CLICKED are both 0: a button, a label or a link was clicked.
    if (!index || code != BN_CLICKED) return;
    Click(*index);
  }

  void Click(std::size_t index) {
    const std::wstring element = form_.Layout().elements[index].name;
    form_.Element_Click(*this, element);
    ShowLayout();
  }

  // Enter, or OK from outside: the default button (the first in the tab order) is pressed.
  void ClickDefaultButton() {
    const FormLayout& layout = form_.Layout();
    const FormElement* chosen = nullptr;
    std::size_t index = 0;
    for (std::size_t i = 0; i < layout.elements.size(); ++i) {
      const FormElement& e = layout.elements[i];
      if (e.kind == FormElementKind::Button &&
          (chosen == nullptr || e.tabIndex < chosen->tabIndex)) {
        chosen = &e;
        index = i;
      }
    }
    if (chosen != nullptr) Click(index);
  }

  FormCode& form_;
  HWND dialog_ = nullptr;
  std::unique_ptr<FormControls> controls_;
  bool unloaded_ = false;
  bool resized_ = false;
  std::exception_ptr failure_;
};

}  // namespace

void ShowModalForm(FormCode& form, HWND owner) {
  const auto open = std::find_if(showing.begin(), showing.end(),
                                 [&](const ModalForm* f) { return &f->Code() == &form; });
  if (open != showing.end()) {
    ::SetForegroundWindow((*open)->Dialog());
    return;
  }
  ModalForm window(form);
  showing.push_back(&window);
  struct Leave {
    ModalForm* window;
    ~Leave() { std::erase(showing, window); }
  } leave{&window};
  window.Run(owner);
}

}  // namespace kovra::win32
