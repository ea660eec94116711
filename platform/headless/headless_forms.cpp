#include "platform/headless/headless_forms.h"

#include <algorithm>
#include <stdexcept>

#include "base/version.h"

namespace kovra::headless {

void HeadlessFormWindow::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  form_.Form_Unload();
}

void HeadlessFormWindow::RequireOpen() const {
  if (unloaded_) throw std::logic_error("the form is unloaded");
}

void HeadlessFormWindow::Click(std::wstring_view element) {
  RequireOpen();
  const FormElement& clicked = form_.Layout().Element(element);
  form_.Element_Click(*this, clicked.name);
}

void HeadlessFormWindow::Resize(TwipSize inner) {
  RequireOpen();
  inner_ = inner;
  form_.Form_Resize(*this);
}

void HeadlessForms::ShowModal(FormCode& form, std::uintptr_t owner) {
  if (std::find(open_.begin(), open_.end(), &form) != open_.end()) {
    ++broughtForward;
    return;
  }
  open_.push_back(&form);
  // Closed for the record also when the user's actions end in an exception.
  struct Showing {
    std::vector<const FormCode*>& open;
    ~Showing() { open.pop_back(); }
  } showing{open_};
  nextWindow_ += 4;
  HeadlessFormWindow window(form, nextWindow_, form.Layout().inner);
  form.Form_Load(window);
  form.Form_Resize(window);
  // The user may open further forms meanwhile: the record is found again by its place.
  const std::size_t record = forms.size();
  forms.push_back({owner, window.WindowHandle(), form.Layout(), {}});
  if (user) user(window);
  forms[record].left = form.Layout();
  window.Unload();
}

LibraryVersion HeadlessForms::OwnVersion() const {
  return {version::kMajor, version::kMinor, version::kRevision};
}

ShellOutcome HeadlessForms::ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                             std::wstring_view file) {
  shellRequests.push_back({owner, std::wstring(verb), std::wstring(file)});
  return shellAnswer;
}

}  // namespace kovra::headless
