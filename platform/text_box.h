// The single-line text box `Text1` that does all the editing, with the behaviour of the Windows
// EDIT control: assigning the text replaces it, raises the change notification before the
// assignment returns and leaves the caret at 0 with no selection; a character key goes first
// to the key-press handler, which may change or zero it, and the text box then inserts what is
// left over the selection. Positions are 0-based UTF-16 indexes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

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
};

// Shift-state bits of key and mouse events.
namespace shift_state {
inline constexpr std::int16_t Shift = 1;
inline constexpr std::int16_t Ctrl = 2;
inline constexpr std::int16_t Alt = 4;
}  // namespace shift_state

class TextBox {
 public:
  virtual ~TextBox() = default;

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

  // The user's input, delivered as the platform delivers a key: key-down, then the character
  // (when the key makes one), then key-up. `character` 0 means the key makes no character.
  virtual void PressKey(std::int16_t keyCode, std::int16_t shift, wchar_t character) = 0;
};

}  // namespace kovra
