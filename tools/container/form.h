// A form of an OLE container, as a design environment's running form hosts controls: a visible
// top-level window (the frame), one site per control (client site, in-place site, control site,
// the ambient properties and an extender with "ToolTipText"), push buttons, and a message loop
// that offers keys to the active control first and moves the focus on Tab itself.
#pragma once

#include <ocidl.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "activex/com_ptr.h"
#include "platform/win32/handles.h"
#include "tools/container/form_site.h"

namespace kovra::container {

using activex::ComPtr;

class Form {
 public:
  // A shown form with a client area of `width` × `height` pixels and no controls yet. Every
  // site follows `policy`.
  Form(int width, int height, const std::wstring& title, const SitePolicy& policy = {});
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Places `control` at `place` (client pixels): its site first, then InitNew (unless
  // `initialised`), then activation in place. Returns its index, or -1 when the control refused.
  int Place(const ComPtr<IOleObject>& control, const RECT& place, bool initialised = false);
  // A push button at `place` that runs `onClick`.
  void AddButton(const std::wstring& caption, const RECT& place, std::function<void()> onClick);
  // A list box at `place` whose lines the program adds with Log.
  void AddLog(const RECT& place);
  void Log(const std::wstring& line);

  HWND Window() const { return window_.get(); }
  int Count() const { return static_cast<int>(sites_.size()); }
  FormSite& Site(int i) const { return *sites_[static_cast<std::size_t>(i)]; }
  FormFrame& Frame() const { return *frame_; }
  IOleObject* Control(int i) const;
  // The control's IDispatch (the form holds the control).
  IDispatch* Automation(int i) const;
  // The control's own window and its Text1 (EDIT) window.
  HWND ControlWindow(int i) const;
  HWND Text1Window(int i) const;
  // The index of the control that holds the focus; -1 for none.
  int Focused() const;
  // UI activation of a control (as a click on it would).
  void Activate(int i);
  // Gives a control another place (the container's resize).
  void Move(int i, const RECT& place);

  // Posts a key press (key-down, key-up) to the focused window with the Shift/Ctrl/Alt state
  // `modifiers` (1 Shift, 2 Ctrl, 4 Alt: the system key messages) in force, and runs the
  // container's message loop, which makes the character the layout gives the key.
  void PressKey(UINT key, int modifiers = 0);
  // The same press with `character` (none when 0) as the one character it makes, whatever the
  // layout says: a character sent without a key (VK_PACKET), or a stroke as an input method
  // or a remote keyboard delivers it.
  void PressKeyWithCharacter(UINT key, int modifiers, wchar_t character);
  // Types `text` with key messages, each character with the key and Shift state that make it.
  void Type(const std::wstring& text);
  // A left click at `point` of the form's client area, on the window found there.
  void Click(POINT point);
  // The container's message loop until nothing is waiting: keys go to the UI-active control's
  // TranslateAccelerator first; a Tab it leaves moves the focus to the next control.
  void Pump();

  // Closes every control (IOleObject::Close) and lets go of them and their sites.
  void CloseAll();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Posts the key's messages with `modifiers` in force; the character, unless it is 0, comes
  // between key-down and key-up as written instead of from the layout.
  void Press(UINT key, int modifiers, std::optional<wchar_t> character);

  SitePolicy policy_;
  win32::UniqueWindow window_;
  ComPtr<FormFrame> frame_;
  std::vector<ComPtr<FormSite>> sites_;
  std::vector<std::function<void()>> buttons_;
  HWND log_ = nullptr;
  bool translating_ = true;  // the message loop makes characters from key-downs
};

}  // namespace kovra::container
