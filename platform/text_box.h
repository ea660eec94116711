// The single-line text box `Text1` that does all the editing, with the behaviour of the Windows
// EDIT control: assigning the text replaces it, raises the change notification before the
// assignment returns and leaves the caret at 0 with no selection; a character key goes first
// to the key-press handler, which may change or zero it, and the text box then inserts what is
// left over the selection. Positions are 0-based UTF-16 indexes.
#pragma once

#include <cstdint>
#include <string>

#include "base/types.h"
#include "platform/data_object.h"
#include "platform/drawing.h"
#include "platform/mouse.h"
#include "platform/surface_placement.h"

namespace kovra {

// What the text box tells its owner, in the order Windows delivers it.
class TextBoxEvents {
 public:
  virtual ~TextBoxEvents() = default;
  // After every change of the text, synchronously, also inside an assignment of the text.
  virtual void Text1_Change() {}
  // Before a character is inserted; 0 left in `keyAscii` inserts nothing.
  virtual void Text1_KeyPress(std::int16_t& keyAscii) { (void)keyAscii; }
  // Before the text box acts on a key; 0 left in `keyCode` makes it ignore the key.
  virtual void Text1_KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    (void)keyCode;
    (void)shift;
  }
  virtual void Text1_KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    (void)keyCode;
    (void)shift;
  }
  // OLE drag and drop over the box, each argument the box's own variable: what the receiver
  // leaves in it (an effect, a cursor choice) is the box's answer.
  virtual void Text1_OLECompleteDrag(std::int32_t& effect) { (void)effect; }
  virtual void Text1_OLEDragDrop(DataObject& data, std::int32_t& effect, std::int16_t& button,
                                 std::int16_t& shift, float& x, float& y) {
    (void)data, (void)effect, (void)button, (void)shift, (void)x, (void)y;
  }
  virtual void Text1_OLEDragOver(DataObject& data, std::int32_t& effect, std::int16_t& button,
                                 std::int16_t& shift, float& x, float& y, std::int16_t& state) {
    (void)data, (void)effect, (void)button, (void)shift, (void)x, (void)y, (void)state;
  }
  virtual void Text1_OLESetData(DataObject& data, std::int16_t& dataFormat) {
    (void)data, (void)dataFormat;
  }
  virtual void Text1_OLEStartDrag(DataObject& data, std::int32_t& allowedEffects) {
    (void)data, (void)allowedEffects;
  }
  virtual void Text1_OLEGiveFeedback(std::int32_t& effect, std::int16_t& defaultCursors) {
    (void)effect, (void)defaultCursors;
  }
};

// Shift-state bits of key and mouse events.
namespace shift_state {
inline constexpr std::int16_t Shift = 1;
inline constexpr std::int16_t Ctrl = 2;
inline constexpr std::int16_t Alt = 4;
}  // namespace shift_state

class TextBox : public ChildWindow, public MouseSource {
 public:
  // Registers the one receiver of this box's notifications (nullptr: none).
  virtual void SetEvents(TextBoxEvents* events) = 0;

  virtual std::wstring Text() const = 0;
  // Replaces the text; raises Text1_Change before returning; caret to 0, no selection.
  virtual void SetText(const std::wstring& text) = 0;

  virtual int SelStart() const = 0;
  // Moves the caret (clamped to the text) and removes the selection.
  virtual void SetSelStart(int start) = 0;
  virtual int SelLength() const = 0;
  // Selects `length` characters from the caret (clamped to the text).
  virtual void SetSelLength(int length) = 0;

  // A locked box refuses every change the user makes; the program can still assign the text.
  virtual bool Locked() const = 0;
  virtual void SetLocked(bool locked) = 0;

  virtual FontRef GetFont() const = 0;
  virtual void SetFont(FontRef font) = 0;

  // Takes the input focus.
  virtual void SetFocus() = 0;

  // The native window handle (0 where there is none).
  virtual std::uintptr_t WindowHandle() const = 0;

  // What the full refresh sets: input enabled, colours, pointer, tooltip and alignment
  // (LeftJustifyAlignment 0, RightJustifyAlignment 1, CenterAlignment 2).
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual Rgb BackColor() const = 0;
  virtual void SetBackColor(Rgb colour) = 0;
  virtual Rgb ForeColor() const = 0;
  virtual void SetForeColor(Rgb colour) = 0;
  virtual std::int32_t MousePointer() const = 0;
  virtual void SetMousePointer(std::int32_t pointer) = 0;
  virtual PictureRef MouseIcon() const = 0;
  virtual void SetMouseIcon(PictureRef icon) = 0;
  virtual std::wstring ToolTipText() const = 0;
  virtual void SetToolTipText(const std::wstring& text) = 0;
  virtual std::int16_t Alignment() const = 0;
  virtual void SetAlignment(std::int16_t alignment) = 0;

  // Dynamic data exchange and OLE drag settings, which the box keeps for its container. No
  // platform here offers a DDE partner: a link mode other than none, and the link methods, fail
  // with LinkNotActive, as a text box whose link partner does not answer.
  virtual std::wstring LinkItem() const { return links_.item; }
  virtual void SetLinkItem(const std::wstring& item) { links_.item = item; }
  virtual std::wstring LinkTopic() const { return links_.topic; }
  virtual void SetLinkTopic(const std::wstring& topic) { links_.topic = topic; }
  virtual std::int16_t LinkMode() const { return links_.mode; }
  virtual void SetLinkMode(std::int16_t mode);
  virtual std::int16_t LinkTimeout() const { return links_.timeout; }
  virtual void SetLinkTimeout(std::int16_t timeout) { links_.timeout = timeout; }
  virtual void LinkExecute(const std::wstring& command);
  virtual void LinkPoke();
  virtual void LinkRequest();
  virtual void LinkSend();
  // 0 manual, 1 automatic; OLEDrag starts a manual drag (there is no drag source to start here).
  virtual std::int16_t OLEDragMode() const { return links_.oleDragMode; }
  virtual void SetOLEDragMode(std::int16_t mode) { links_.oleDragMode = mode; }
  virtual std::int16_t OLEDropMode() const { return links_.oleDropMode; }
  virtual void SetOLEDropMode(std::int16_t mode) { links_.oleDropMode = mode; }
  virtual void OLEDrag() {}
  virtual bool RightToLeft() const { return links_.rightToLeft; }
  virtual void SetRightToLeft(bool on) { links_.rightToLeft = on; }
  // Whether the selection is hidden while the box has no focus (read only; the default True).
  virtual bool HideSelection() const { return true; }

 private:
  struct LinkSettings {
    std::wstring item;
    std::wstring topic;
    std::int16_t mode = 0;
    std::int16_t timeout = 50;
    std::int16_t oleDragMode = 0;
    std::int16_t oleDropMode = 0;
    bool rightToLeft = false;
  };
  LinkSettings links_;
};

}  // namespace kovra
