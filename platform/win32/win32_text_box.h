// Text1 as a real single-line EDIT window, subclassed so that the control sees every key first:
// key-down, then the character, then key-up, each with the right to change or cancel what the
// EDIT receives. The EDIT's change notification (EN_CHANGE, which arrives at the parent) is
// reflected back to the box and delivered as Text1_Change. A paste (Ctrl+V, Shift+Insert,
// WM_PASTE) is done by the box itself: the clipboard is read and closed again before the text
// changes, so that the change handler may use the clipboard.
//
// An exception thrown by a handler ends the delivery of that message and is rethrown by the
// call that caused it (SetText, PressKey); it never unwinds through the system's window
// procedures. Input from the message loop has no such caller: its error goes to the debugger
// output.
#pragma once

#include <windows.h>

#include <exception>
#include <optional>

#include "platform/text_box.h"
#include "platform/win32/focus_report.h"
#include "platform/win32/gdi_objects.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_child_window.h"
#include "platform/win32/win32_drop_target.h"

namespace kovra::win32 {

class Win32TextBox final : public Win32ChildWindow<TextBox> {
 public:
  // A visible EDIT child of `parent` filling its client area, holding the empty text and the
  // default font. `parent` must hand EN_CHANGE on through ReflectNotification.
  explicit Win32TextBox(HWND parent);
  ~Win32TextBox() override;
  Win32TextBox(const Win32TextBox&) = delete;
  Win32TextBox& operator=(const Win32TextBox&) = delete;

  void SetEvents(TextBoxEvents* events) override { events_ = events; }
  std::wstring Text() const override;
  void SetText(const std::wstring& text) override;
  int SelStart() const override;
  void SetSelStart(int start) override;
  int SelLength() const override;
  void SetSelLength(int length) override;
  bool Locked() const override;
  void SetLocked(bool locked) override;
  FontRef GetFont() const override { return font_; }
  void SetFont(FontRef font) override;
  void SetFocus() override;
  // Hears of the EDIT gaining and losing the focus, after the EDIT has acted on it (empty:
  // nobody).
  void SetFocusObserver(FocusObserver observer) { focusObserver_ = std::move(observer); }
  std::uintptr_t WindowHandle() const override { return ToWindowId(edit_.get()); }
  // A key as the user would press it, for tests and scripted runs: sends WM_KEYDOWN, WM_CHAR
  // (when `character` is not 0) and WM_KEYUP to the EDIT, with the keyboard state of `shift` in
  // force for the EDIT and the handlers alike.
  void PressKey(std::int16_t keyCode, std::int16_t shift, wchar_t character);
  // Sends the EDIT the mouse message (a Click goes straight to the receiver).
  void DeliverMouse(MouseAction action, std::int16_t button, std::int16_t shift, float x,
                    float y) override;

  // The look the full refresh sets (win32_text_box_look.cpp). The colours reach the EDIT
  // through its parent's WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC, answered by ColourChild.
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  Rgb BackColor() const override { return backColor_; }
  void SetBackColor(Rgb colour) override;
  Rgb ForeColor() const override { return foreColor_; }
  void SetForeColor(Rgb colour) override;
  std::int32_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(std::int32_t pointer) override { mousePointer_ = pointer; }
  PictureRef MouseIcon() const override { return mouseIcon_; }
  void SetMouseIcon(PictureRef icon) override { mouseIcon_ = std::move(icon); }
  std::wstring ToolTipText() const override { return toolTipText_; }
  void SetToolTipText(const std::wstring& text) override { toolTipText_ = text; }
  std::int16_t Alignment() const override { return alignment_; }
  void SetAlignment(std::int16_t alignment) override;

  // Manual drop mode (1) makes the EDIT an OLE drop target whose drags and drops reach the
  // receiver as OLEDragOver and OLEDragDrop; any other mode takes that back. A thread without
  // OLE keeps the mode without a target.
  void SetOLEDropMode(std::int16_t mode) override;
  // A drag of the selected text (all of it when nothing is selected), see RunTextDrag.
  void OLEDrag() override;

  // Sets the colours of `child` on `dc` and gives the brush for its background; nullptr when
  // `child` is no text box of this library.
  static HBRUSH ColourChild(HWND child, HDC dc);

  // Delivers a notification code that `child`'s parent received in WM_COMMAND to the text box
  // owning `child`; false when `child` is no text box of this library.
  static bool ReflectNotification(HWND child, WORD code);

 protected:
  HWND Handle() const override { return edit_.get(); }

 private:
  static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnChange();
  // Replaces the selection with the clipboard text's first line, as the EDIT pastes.
  void Paste();
  // Runs `action` (a handler call or clipboard work inside a window procedure); an exception
  // is kept for the call that sent the message. False when it threw.
  template <typename Action>
  bool Guarded(Action&& action);
  // Rethrows what a handler threw during the call that is ending.
  void RethrowHandlerError();
  // The Shift/Ctrl/Alt state of the key being delivered.
  std::int16_t CurrentShift() const;
  void Select(int start, int end);
  // Revokes the EDIT's drop target and lets it go, so that a drag loop still holding it
  // reaches this box no more.
  void LetDropTargetGo(HWND edit);

  TextBoxEvents* events_ = nullptr;
  FocusObserver focusObserver_;
  DropTargetRef dropTarget_;  // registered with RegisterDragDrop while OLEDropMode is manual
  FontRef font_ = std::make_shared<Font>();
  UniqueFont gdiFont_;
  UniqueWindow edit_;
  WNDPROC editProcedure_ = nullptr;  // the EDIT class's own procedure
  // The shift state PressKey is delivering (instead of the keyboard's).
  std::optional<std::int16_t> pressedShift_;
  // True from the start of a text assignment until its change notification: that notification
  // first puts the caret at 0, so that the handler sees, and may move, the final selection.
  bool assignmentPending_ = false;
  // Calls of SetText and PressKey in progress, and the first error a handler threw in them.
  int callDepth_ = 0;
  std::exception_ptr handlerError_;

  Rgb backColor_ = static_cast<Rgb>(::GetSysColor(COLOR_WINDOW));
  Rgb foreColor_ = static_cast<Rgb>(::GetSysColor(COLOR_WINDOWTEXT));
  GdiObject backBrush_;  // made on first use for backColor_
  std::int32_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  std::wstring toolTipText_;
  std::int16_t alignment_ = 0;
};

}  // namespace kovra::win32
