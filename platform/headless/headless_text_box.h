// A text box that behaves as the Windows single-line EDIT control does, without a window.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clipboard.h"
#include "platform/text_box.h"

namespace kovra::headless {

// Virtual-key codes the box acts on.
namespace key {
inline constexpr std::int16_t Back = 8;
inline constexpr std::int16_t Enter = 13;
inline constexpr std::int16_t Escape = 27;
inline constexpr std::int16_t End = 35;
inline constexpr std::int16_t Home = 36;
inline constexpr std::int16_t Left = 37;
inline constexpr std::int16_t Right = 39;
inline constexpr std::int16_t Delete = 46;
}  // namespace key

class HeadlessTextBox final : public TextBox {
 public:
  HeadlessTextBox(Clipboard& clipboard, std::uintptr_t window);

  void SetEvents(TextBoxEvents* events) override { events_ = events; }
  std::wstring Text() const override { return text_; }
  void SetText(const std::wstring& text) override;
  int SelStart() const override { return selStart_; }
  void SetSelStart(int start) override;
  int SelLength() const override { return selLength_; }
  void SetSelLength(int length) override;
  bool Locked() const override { return locked_; }
  void SetLocked(bool locked) override { locked_ = locked; }
  FontRef GetFont() const override { return font_; }
  void SetFont(FontRef font) override { font_ = std::move(font); }
  void SetFocus() override { focused_ = true; }
  bool Focused() const { return focused_; }
  std::uintptr_t WindowHandle() const override { return window_; }
  void PressKey(std::int16_t keyCode, std::int16_t shift, wchar_t character) override;

 private:
  void ActOnKey(std::int16_t keyCode, std::int16_t shift);
  void ActOnCharacter(wchar_t character);
  // Replaces the selection with `inserted` and puts the caret after it; raises the change.
  void ReplaceSelection(const std::wstring& inserted);
  // Moves the caret to `caret`; with `extend` the selection grows from its anchor instead.
  void MoveCaret(int caret, bool extend);
  void Changed();

  Clipboard& clipboard_;
  std::uintptr_t window_;
  TextBoxEvents* events_ = nullptr;
  std::wstring text_;
  int selStart_ = 0;
  int selLength_ = 0;
  int caret_ = 0;  // the end of the selection the arrows move (selStart_ or its other end)
  bool locked_ = false;
  bool focused_ = false;
  FontRef font_ = std::make_shared<Font>();
};

}  // namespace kovra::headless
