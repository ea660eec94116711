// Forms on the headless platform. A modal form is shown by delivering its window's events in the
// order Windows does — load, then the first resize at the layout's inner size — then the user's
// actions that a test or the driver scripts, then the close box if the form is still open. Each
// form is recorded as it was first shown and as it was left; the shell records every request
// and answers as it is told.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms.h"

namespace kovra::headless {

// A shown form's window; the user's actions go through it.
class HeadlessFormWindow final : public FormWindow {
 public:
  HeadlessFormWindow(FormCode& form, std::uintptr_t handle, TwipSize inner)
      : form_(form), handle_(handle), inner_(inner) {}

  std::uintptr_t WindowHandle() const override { return handle_; }
  TwipSize InnerSize() const override { return inner_; }
  void Unload() override;

  // The user clicks the element called `element` (std::invalid_argument when the form has
  // none, std::logic_error once the form is unloaded).
  void Click(std::wstring_view element);
  // The user drags the window's border until its inner area is `inner`.
  void Resize(TwipSize inner);
  bool Unloaded() const { return unloaded_; }
  const FormLayout& Layout() const { return form_.Layout(); }

 private:
  void RequireOpen() const;

  FormCode& form_;
  std::uintptr_t handle_;
  TwipSize inner_;
  bool unloaded_ = false;
};

struct ShownForm {
  std::uintptr_t owner = 0;   // 0: shown with no owner window
  std::uintptr_t window = 0;  // the window it had
  FormLayout shown;           // once loaded and first sized
  FormLayout left;            // as it stood when it unloaded
};

struct ShellRequest {
  std::uintptr_t owner = 0;
  std::wstring verb;
  std::wstring file;
};

class HeadlessForms final : public FormServices {
 public:
  // The library's version as it is built (base/version.h).
  LibraryVersion OwnVersion() const override;
  void ShowModal(FormCode& form, std::uintptr_t owner) override;
  ShellOutcome ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                std::wstring_view file) override;

  // What the user does while a form is open (nothing by default); the form is closed with its
  // close box afterwards if it is still open.
  std::function<void(HeadlessFormWindow&)> user;
  std::vector<ShownForm> forms;  // every form shown, in order
  int broughtForward = 0;        // showings of a form that was already open
  ShellOutcome shellAnswer;      // what the shell answers (success by default)
  std::vector<ShellRequest> shellRequests;

 private:
  std::vector<const FormCode*> open_;
  std::uintptr_t nextWindow_ = 0x80000;
};

}  // namespace kovra::headless
