// A text box that behaves as the Windows single-line EDIT control does, without a window.
#pragma once

#include <cstdint>
#include <string>

#include "platform/clipboard.h"
#include "platform/headless/headless_child.h"
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

class HeadlessTextBox final : public HeadlessChildWindow<TextBox> {
 public:
  HeadlessTextBox(Clipboard& clipboard, std::uintptr_t window, WindowTally* tally = nullptr);

  void SetEvents(TextBoxEvents* events) override { events_ = events; }
  // The registered receiver, for delivering what the box has no input path for (drag events).
  TextBoxEvents* Events() const { return events_; }
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
  // The user's input, delivered as Windows delivers a key: key-down, then the character (when
  // the key makes one), then key-up. `character` 0 means the key makes no character.
  void PressKey(std::int16_t keyCode, std::int16_t shift, wchar_t character);

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  Rgb BackColor() const override { return backColor_; }
  void SetBackColor(Rgb colour) override { backColor_ = colour; }
  Rgb ForeColor() const override { return foreColor_; }
  void SetForeColor(Rgb colour) override { foreColor_ = colour; }
  std::int32_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(std::int32_t pointer) override { mousePointer_ = pointer; }
  PictureRef MouseIcon() const override { return mouseIcon_; }
  void SetMouseIcon(PictureRef icon) override { mouseIcon_ = std::move(icon); }
  std::wstring ToolTipText() const override { return toolTipText_; }
  void SetToolTipText(const std::wstring& text) override { toolTipText_ = text; }
  std::int16_t Alignment() const override { return alignment_; }
  void SetAlignment(std::int16_t alignment) override { alignment_ = alignment; }

 private:
  void ActOnKey(std::int16_t keyCode, std::int16_t shift);
  void ActOnCharacter(wchar_t character);
  // Replaces the selection with `inserted` and puts the caret after it; raises the change.
  void ReplaceSelection(const std::wstring& inserted);
  // Moves the caret to `caret`; with `extend` the selection grows from its anchor instead.
  void MoveCaret(int caret, bool extend);
  void Changed();

  Clipboard& clipboard_;
  TallyMark tally_;
  std::uintptr_t window_;
  TextBoxEvents* events_ = nullptr;
  std::wstring text_;
  int selStart_ = 0;
  int selLength_ = 0;
  int caret_ = 0;  // the end of the selection the arrows move (selStart_ or its other end)
  bool locked_ = false;
  bool focused_ = false;
  FontRef font_ = std::make_shared<Font>();
  bool enabled_ = true;
  Rgb backColor_ = MakeRgb(255, 255, 255);
  Rgb foreColor_ = MakeRgb(0, 0, 0);
  std::int32_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  std::wstring toolTipText_;
  std::int16_t alignment_ = 0;
};

}  // namespace kovra::headless
