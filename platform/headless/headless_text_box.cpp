#include "platform/headless/headless_text_box.h"

#include <algorithm>

namespace kovra::headless {

// A new box fills the surface's initial client area, as the Windows one does.
HeadlessTextBox::HeadlessTextBox(Clipboard& clipboard, std::uintptr_t window, WindowTally* tally)
    : HeadlessChildWindow(100, 21), clipboard_(clipboard), tally_(tally), window_(window) {}

void HeadlessTextBox::Changed() {
  if (events_ != nullptr) events_->Text1_Change();
}

void HeadlessTextBox::SetText(const std::wstring& text) {
  text_ = text;
  selStart_ = selLength_ = caret_ = 0;
  Changed();
}

void HeadlessTextBox::SetSelStart(int start) {
  selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
  selLength_ = 0;
  caret_ = selStart_;
}

void HeadlessTextBox::SetSelLength(int length) {
  selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - selStart_);
  caret_ = selStart_ + selLength_;
}

void HeadlessTextBox::MoveCaret(int caret, bool extend) {
  caret = std::clamp(caret, 0, static_cast<int>(text_.size()));
  if (!extend) {
    selStart_ = caret_ = caret;
    selLength_ = 0;
    return;
  }
  const int anchor = caret_ == selStart_ ? selStart_ + selLength_ : selStart_;
  selStart_ = std::min(anchor, caret);
  selLength_ = std::abs(anchor - caret);
  caret_ = caret;
}

void HeadlessTextBox::ReplaceSelection(const std::wstring& inserted) {
  text_.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_),
                inserted);
  selStart_ += static_cast<int>(inserted.size());
  selLength_ = 0;
  caret_ = selStart_;
  Changed();
}

void HeadlessTextBox::PressKey(std::int16_t keyCode, std::int16_t shift, wchar_t character) {
  std::int16_t code = keyCode;
  std::int16_t state = shift;
  if (events_ != nullptr) events_->Text1_KeyDown(code, state);
  if (code != 0) ActOnKey(code, state);
  if (character != 0) {
    auto ascii = static_cast<std::int16_t>(character);
    if (events_ != nullptr) events_->Text1_KeyPress(ascii);
    if (ascii != 0) ActOnCharacter(static_cast<wchar_t>(static_cast<std::uint16_t>(ascii)));
  }
  code = keyCode;
  state = shift;
  if (events_ != nullptr) events_->Text1_KeyUp(code, state);
}

void HeadlessTextBox::ActOnKey(std::int16_t keyCode, std::int16_t shift) {
  const bool extend = (shift & shift_state::Shift) != 0;
  const int length = static_cast<int>(text_.size());
  switch (keyCode) {
    case key::Left:
      if (selLength_ > 0 && !extend) return MoveCaret(selStart_, false);
      return MoveCaret(caret_ - 1, extend);
    case key::Right:
      if (selLength_ > 0 && !extend) return MoveCaret(selStart_ + selLength_, false);
      return MoveCaret(caret_ + 1, extend);
    case key::Home:
      return MoveCaret(0, extend);
    case key::End:
      return MoveCaret(length, extend);
    case key::Delete:
      if (locked_) return;
      if (selLength_ == 0) {
        if (selStart_ >= length) return;
        selLength_ = 1;
      }
      return ReplaceSelection(L"");
    default:
      return;
  }
}

void HeadlessTextBox::ActOnCharacter(wchar_t character) {
  switch (character) {
    case 3:  // Ctrl+C
      if (selLength_ > 0) {
        clipboard_.SetText(text_.substr(static_cast<std::size_t>(selStart_),
                                        static_cast<std::size_t>(selLength_)));
      }
      return;
    case 22: {  // Ctrl+V: the clipboard's first line replaces the selection
      if (locked_) return;
      std::wstring pasted = clipboard_.GetText();
      pasted = pasted.substr(0, pasted.find_first_of(L"\r\n"));
      if (pasted.empty() && selLength_ == 0) return;
      return ReplaceSelection(pasted);
    }
    case 24:  // Ctrl+X
      if (locked_ || selLength_ == 0) return;
      clipboard_.SetText(
          text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_)));
      return ReplaceSelection(L"");
    case 8:  // Backspace
      if (locked_) return;
      if (selLength_ == 0) {
        if (selStart_ == 0) return;
        --selStart_;
        selLength_ = 1;
      }
      return ReplaceSelection(L"");
    default:
      if (locked_ || character < 0x20) return;
      return ReplaceSelection(std::wstring(1, character));
  }
}

}  // namespace kovra::headless
