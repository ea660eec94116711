// Forms of the control's own (the About box): the platform shows one modally and hands its
// window's events to the form's code; and the desktop shell, asked to act on a file or an
// address with a verb ("open").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/form_layout.h"

namespace kovra {

// The live window of a form, as the form's code sees it.
class FormWindow {
 public:
  virtual ~FormWindow() = default;
  virtual std::uintptr_t WindowHandle() const = 0;
  // The inner (client) area in twips: what ScaleWidth and ScaleHeight read.
  virtual TwipSize InnerSize() const = 0;
  // Unloads the form: its Form_Unload runs (once), the window goes and the modal showing
  // returns.
  virtual void Unload() = 0;
};

// What a form does when its window's events arrive. After each of them the platform shows the
// form's layout anew (captions, places), so the code changes only its layout.
class FormCode {
 public:
  virtual ~FormCode() = default;
  virtual const FormLayout& Layout() const = 0;
  // Before the window first shows.
  virtual void Form_Load(FormWindow& window) = 0;
  // When the window shows and whenever its inner size changes.
  virtual void Form_Resize(FormWindow& window) = 0;
  // A click on the element called `element`.
  virtual void Element_Click(FormWindow& window, std::wstring_view element) = 0;
  // The window is going; the form is done.
  virtual void Form_Unload() = 0;
};

// What the shell answered: above 32 it did as asked; 0 to 32 is a failure, with the program's
// current error number and description after the call.
struct ShellOutcome {
  std::intptr_t result = 42;
  std::int32_t errorNumber = 0;
  std::wstring errorDescription;

  bool Failed() const { return result >= 0 && result <= 32; }
};

// The control library's own version numbers (file version major.minor.0.revision).
struct LibraryVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
  friend bool operator==(const LibraryVersion&, const LibraryVersion&) = default;
};

class FormServices {
 public:
  virtual ~FormServices() = default;
  // The version of the library whose forms these are, as its version resource gives it.
  virtual LibraryVersion OwnVersion() const = 0;
  // Shows `form` modally, owned by the window `owner` (0: none): Form_Load, the window at the
  // layout's inner size, Form_Resize, then whatever the user does until the form unloads;
  // returns after Form_Unload. A form already showing is brought to the front instead, and the
  // call returns at once.
  virtual void ShowModal(FormCode& form, std::uintptr_t owner) = 0;
  // Asks the desktop shell to apply `verb` ("open") to `file` (a path or a web address), with
  // `owner` as the owner window of anything the shell shows.
  virtual ShellOutcome ShellExecuteVerb(std::uintptr_t owner, std::wstring_view verb,
                                        std::wstring_view file) = 0;
};

}  // namespace kovra
