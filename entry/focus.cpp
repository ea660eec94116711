// Focus and validation: the EditMask while the control holds the focus, the DisplayMask while
// it does not, the caret placed on entry, incomplete numbers repaired on exit, and the lower
// limit and the spin range enforced when the focus leaves. A text that is not a number is left
// alone here: the change handling never lets one stick.
#include "base/text_helpers.h"
#include "core/enumerations.h"
#include "entry/entry_engine.h"

namespace kovra {

void EntryEngine::EnterFocus() {
  ChangeGuardScope guard(state_);
  ApplyMask(EditMask());
  const PropertyMembers& p = state_.properties;
  if (p.selLength == sel_length::AllText) {
    text1_.SetSelStart(0);
    text1_.SetSelLength(text::Length(text1_.Text()));
  } else if (p.selStart == sel_start::End) {
    text1_.SetSelStart(text::Length(text1_.Text()));
  } else if (p.selStart == sel_start::Biginning) {
    text1_.SetSelStart(0);
  }
  state_.hasFocus = true;
}

void EntryEngine::GotFocus() {
  state_.hasFocus = true;
  text1_.SetFocus();
}

void EntryEngine::ExitFocus() {
  const wchar_t d = state_.separators.decimal;
  const std::wstring text = text1_.Text();  // the view below looks into it
  const std::wstring_view trimmed = text::Trimmed(text);
  if (trimmed == std::wstring{L'-', d} || trimmed == std::wstring_view(&d, 1) || trimmed == L"-" ||
      trimmed.empty()) {
    WriteText(L"0");  // through the change handling: 0.00
  }
  ChangeGuardScope guard(state_);
  const std::wstring shown = text1_.Text();
  state_.firstUndoText = state_.secondUndoText = acceptedText_ = shown;
  if (double number = 0; TryNumber(shown, number)) WriteText(GeneralText(number));
  ApplyMask(DisplayMask());
  state_.hasFocus = false;
}

void EntryEngine::LostFocus() {
  if (double number = 0; TryNumber(text1_.Text(), number) && number < state_.properties.minValue) {
    WriteText(GeneralText(state_.properties.minValue));
  }
  state_.hasFocus = false;
}

void EntryEngine::Validate(bool& cancel) {
  double number = 0;
  if (!TryNumber(text1_.Text(), number)) return;
  const PropertyMembers& p = state_.properties;
  if (p.buttonSpin == kFalse) {
    if (number < p.minValue) WriteText(GeneralText(p.minValue));
    return;
  }
  if (!(number <= p.buttonSpinMax)) {
    ShowError(L"The value cannot be bigger than " + GeneralText(p.buttonSpinMax),
              MessageIcon::Exclamation);
    cancel = true;
  }
  if (number < p.buttonSpinMin) {
    ShowError(L"The value cannot be smaller than " + GeneralText(p.buttonSpinMin),
              MessageIcon::Exclamation);
    cancel = true;
  }
}

}  // namespace kovra
