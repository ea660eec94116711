// A small OLE container inside the test program, as a form hosts controls: a visible top-level
// window (its frame), one site per control (client site, in-place site, control site and the
// ambient properties), an extender with "ToolTipText", and a message loop that offers keys to
// the active control first and moves the focus on Tab itself.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "activex/com_ptr.h"
#include "platform/win32/handles.h"
#include "tests/ocx/test_site.h"

namespace kovra::ocx_test {

using activex::ComPtr;

class TestForm {
 public:
  // A shown form with `controls` new controls in a column (120 × 24 pixels each, 40 apart), each
  // given its site first, initialised new, and active in place. Every site follows `policy`.
  explicit TestForm(int controls, const SitePolicy& policy = {});
  ~TestForm();
  TestForm(const TestForm&) = delete;
  TestForm& operator=(const TestForm&) = delete;

  HWND Window() const { return window_.get(); }
  int Count() const { return static_cast<int>(sites_.size()); }
  TestSite& Site(int i) const { return *sites_[static_cast<std::size_t>(i)]; }
  TestFrame& Frame() const { return *frame_; }
  IOleObject* Control(int i) const;
  IDispatch* Automation(int i) const;
  // The control's own window and its Text1 (EDIT) window.
  HWND ControlWindow(int i) const;
  HWND Text1Window(int i) const;
  // The index of the control that holds the focus; -1 for none.
  int Focused() const;

  // Posts a key press (key-down, key-up) to the focused window with the Shift/Ctrl state
  // `modifiers` (1 Shift, 2 Ctrl) in force, and runs the container's message loop.
  void PressKey(UINT key, int modifiers = 0);
  // Types `text` with key messages: digits, the point, the minus and letters.
  void Type(const std::wstring& text);
  // The container's message loop until nothing is waiting: keys go to the UI-active control's
  // TranslateAccelerator first; a Tab it leaves moves the focus to the next control.
  void Pump();

  // Closes every control (IOleObject::Close) and lets go of them and their sites.
  void CloseAll();

 private:
  win32::UniqueWindow window_;
  ComPtr<TestFrame> frame_;
  std::vector<ComPtr<TestSite>> sites_;
  std::vector<TestSite*> siteList_;
};

}  // namespace kovra::ocx_test
