// The editing engine of Text1: the value path (Value read and write, rounding, masks), the
// keystroke filter, the editing keys, the change handling that brings every change of the text
// back into the EditMask, and the focus entry and exit. It owns the engine's own members
// (AcceptedText, UndoToggle and those of the keystroke filter) and works on the control's
// shared state and its text box. Each part lives in a file of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/lifetimebound.h"
#include "base/number_text.h"
#include "core/control_state.h"
#include "platform/platform.h"

namespace kovra {

class EntryEngine {
 public:
  // `surface` is the control's own window, locked while the text falls back; `container` hears
  // the events and owns the message boxes.
  EntryEngine(ControlState& state, TextBox& text1, Platform& platform, Container& container,
              ControlSurface& surface);

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

  // Text1's key-press: the keystroke filter keeps the text a well-formed number within the
  // integer length of the limits. Raises KeyPress; what is left in `keyAscii` (0: nothing) is
  // what Text1 inserts.
  void OnKeyPress(std::int16_t& keyAscii);
  // Text1's key-down: Delete never removes the separator alone nor leaves a lone minus, and
  // Ctrl+Z toggles between two remembered texts. Raises KeyDown; Text1 acts on what is left.
  void OnKeyDown(std::int16_t& keyCode, std::int16_t& shift);
  // Text1's key-up: raises KeyUp.
  void OnKeyUp(std::int16_t& keyCode, std::int16_t& shift);

  // Text1's change notification: reformats, enforces MaxValue, raises Change.
  void OnTextChange();

  // Focus entry: the EditMask, the caret placed by SelLength and SelStart.
  void EnterFocus();
  // The control's own surface took the focus: it goes on to Text1.
  void GotFocus();
  // Focus exit: incomplete numbers repaired, the texts remembered, the DisplayMask shown.
  void ExitFocus();
  // The control's own surface lost the focus: the lower-limit repair.
  void LostFocus();
  // Text1 is about to lose the focus: the range check; `cancel` keeps the focus in Text1.
  void Validate(bool& cancel);

  const std::wstring& AcceptedText() const KOVRA_LIFETIMEBOUND { return acceptedText_; }
  // The full refresh records the text it reformatted as the accepted one.
  void RememberAcceptedText(const std::wstring& text) { acceptedText_ = text; }
  bool BackspacePending() const { return backspacePending_; }
  const std::wstring& SavedClipboardText() const KOVRA_LIFETIMEBOUND { return savedClipboardText_; }
  std::uint8_t UndoToggle() const { return undoToggle_; }

 private:
  // Writes Text1.Text with the change guard as it stands.
  void WriteText(const std::wstring& text) { text1_.SetText(text); }
  bool TryNumber(std::wstring_view text, double& value) const;
  void FallBackToAcceptedText();
  void ShowError(const std::wstring& text, MessageIcon icon);
  // Writes 0 formatted with the EditMask ("0" or "0.00") as Text1's text.
  void WriteZero();
  // The text with the selection taken out.
  std::wstring Remainder() const;
  void RaiseKeyEvent(int dispatchId, std::int16_t& keyCode, std::int16_t& shift);
  // How many integer digits the limits allow, counted on the general numeric texts of MaxValue
  // and MinValue (the minus of a negative MinValue not counted).
  struct IntegerLimits {
    int maxLength = 0;
    int minLength = 0;
    bool minNegative = false;
  };
  // The integer limits of the current MinValue, MaxValue and decimal separator. Every digit key
  // asks for them and they seldom change, so the last answer is kept with what it came from.
  IntegerLimits CurrentIntegerLimits();
  // The phases of the change handling, on the working text `s`: a leading zero or sign tidied
  // with the caret kept, an incomplete text made a number, surplus decimals cut (not rounded,
  // so a digit typed into them replaces the next) and the number shown in the EditMask with
  // the caret at its index.
  void TidyTheFront(std::wstring& s);
  void CompleteTheNumber(std::wstring& s);
  void CutSurplusDecimals(std::wstring& s, double& number);
  void ShowInTheEditMask(const std::wstring& s, double number);
  // The keystroke filter's rules, tried in order on a key and the text it found.
  struct Keystroke;
  enum class Verdict { GoOn, Decided };
  using Rule = Verdict (EntryEngine::*)(Keystroke&);
  static const Rule kKeystrokeRules[];
  Verdict RefuseEnterAndEscape(Keystroke& k);
  Verdict NoteBackspace(Keystroke& k);
  Verdict RefuseEveryKeyWhileLocked(Keystroke& k);
  Verdict TypeTheLocalesComma(Keystroke& k);
  Verdict StartAgainFromATypedDigit(Keystroke& k);
  Verdict RefuseAZeroBehindALeadingMinus(Keystroke& k);
  Verdict KeepTheIntegerPartWithinTheLimits(Keystroke& k);
  Verdict RefuseKeysPastTheLastDecimal(Keystroke& k);
  Verdict RefuseAMinusWithoutNegativeNumbers(Keystroke& k);
  Verdict RefuseASeparatorWithoutDecimals(Keystroke& k);
  Verdict RefuseKeysWithNothingToActOn(Keystroke& k);
  void RewriteForTheKey(Keystroke& k);
  // The rewrites by key, with the change guard set; `t` and `s` are Text1's text and caret as
  // the key found them.
  void FilterOtherKey(std::int16_t& keyAscii, const std::wstring& t, int s);
  void FilterMinus(std::int16_t& keyAscii, const std::wstring& t, int s);
  void FilterSeparator(std::int16_t& keyAscii, const std::wstring& t);

  ControlState& state_;
  TextBox& text1_;
  Platform& platform_;
  Container& container_;
  ControlSurface& surface_;

  std::wstring acceptedText_;        // the text at the end of the last change handling
  bool backspacePending_ = false;    // a Backspace is on its way into the text
  std::wstring savedClipboardText_;  // clipboard text taken away by a refused paste
  std::uint8_t undoToggle_ = 0;      // which undo text Ctrl+Z restores next

  struct KeptIntegerLimits {
    double minValue;
    double maxValue;
    wchar_t decimal;
    IntegerLimits limits;
  };
  std::optional<KeptIntegerLimits> keptIntegerLimits_;
};

}  // namespace kovra
