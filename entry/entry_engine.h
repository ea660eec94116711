// The editing engine of Text1: the value path (Value read and write, rounding, masks) and the
// change handling that brings every change of the text back into the EditMask. It owns the
// engine's own members (AcceptedText and those of the keystroke filter) and works on the
// control's shared state and its text box.
#pragma once

#include <string>
#include <string_view>

#include "core/control_state.h"
#include "entry/number_text.h"
#include "platform/platform.h"

namespace kovra {

class EntryEngine {
 public:
  // `window` is the control's own window, locked while the text falls back.
  EntryEngine(ControlState& state, TextBox& text1, Platform& platform, std::uintptr_t window);

  // The masks for the current DecimalPlaces and UseSeparator, built at every use.
  NumberMask EditMask() const;
  NumberMask DisplayMask() const;

  // Value read: the general numeric text of Text1's number. Throws TypeMismatch when the text
  // is not a number.
  std::wstring Value() const;
  // Value write: spin-range check with its message, rounding to DecimalPlaces, one pass through
  // the change handling (one Change event), then the EditMask and, without the focus, the
  // DisplayMask; notifies "Value". Throws TypeMismatch when `newValue` is not a number.
  void SetValue(std::wstring_view newValue);

  // `value` rounded to `places` decimals through the locale's number format; 0 when it cannot
  // be rendered or read back.
  double RoundToPlaces(double value, int places) const;
  // Text1.Text := Text1.Text formatted with `mask` (a text that is not a number stays as is).
  void ApplyMask(const NumberMask& mask);
  // Text1's number (locale-aware, group separators allowed); throws TypeMismatch.
  double TextAsNumber() const;
  // `value` as the general numeric text with the locale's decimal separator.
  std::wstring GeneralText(double value) const;

  // Text1's change notification: reformats, enforces MaxValue, raises Change.
  void OnTextChange();

  const std::wstring& AcceptedText() const { return acceptedText_; }

 private:
  // Writes Text1.Text with the change guard as it stands.
  void WriteText(const std::wstring& text) { text1_.SetText(text); }
  bool TryNumber(std::wstring_view text, double& value) const;
  void FallBackToAcceptedText();
  void ShowError(const std::wstring& text, MessageIcon icon);

  ControlState& state_;
  TextBox& text1_;
  Platform& platform_;
  std::uintptr_t window_;

  std::wstring acceptedText_;        // the text at the end of the last change handling
  bool backspacePending_ = false;    // a Backspace is on its way into the text
  std::wstring savedClipboardText_;  // clipboard text taken away by a refused paste
};

}  // namespace kovra
