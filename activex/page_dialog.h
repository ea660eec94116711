// The window of a property page: a child dialog in the frame's page area, built from the page's
// form with the same code as the library's other forms (FormControls: twips at the dialog's
// real pixels per inch, fonts, the tab order). The user's edits go to the page model, which
// the dialog then shows again; the frame's keys reach it through TranslateAccelerator.
//
// A frame built on the system's property sheet (Wine's) never calls IPropertyPage::Apply; it
// tells the sheet's page window PSN_APPLY instead. The dialog listens for that on its parent
// and asks for the page to be applied, which a page with nothing changed ignores.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "pages/property_page.h"
#include "platform/win32/form_controls.h"

namespace kovra::activex {

class PageDialog {
 public:
  struct Listener {
    std::function<void()> edited;   // after each edit of the user's
    std::function<void()> applied;  // the sheet around the page asks for its values
  };
  // The page's dialog under `parent` at `place`, hidden until Show; throws ComError when the
  // system refuses the window. `page` must outlive the dialog.
  PageDialog(pages::PropertyPage& page, HWND parent, const RECT& place, Listener listener);
  ~PageDialog();
  PageDialog(const PageDialog&) = delete;
  PageDialog& operator=(const PageDialog&) = delete;

  HWND Window() const { return dialog_; }
  // Shows what the page model holds now (after loading or applying).
  void ShowModel();
  // The dialog manager's keys (Tab, arrows, mnemonics) for a message meant for the page's
  // controls; true when it took the message.
  bool TranslateKeys(MSG& message);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Edited(std::size_t element, int code);

  pages::PropertyPage& page_;
  Listener listener_;
  HWND parent_;
  HWND dialog_ = nullptr;
  std::unique_ptr<win32::FormControls> controls_;
};

}  // namespace kovra::activex
