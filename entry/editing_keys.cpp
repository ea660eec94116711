// The editing keys that arrive as key-downs and so bypass the keystroke filter: Delete, which
// never removes the separator alone nor leaves a lone minus, and Ctrl+Z, which toggles between
// the current text and a remembered one. Every text written here is taken as written.
#include <array>
#include <cwctype>

#include "base/text_helpers.h"
#include "core/events.h"
#include "entry/entry_engine.h"
#include "platform/text_box.h"

namespace kovra {

namespace {
constexpr std::int16_t kDeleteKey = 46;
}  // namespace

void EntryEngine::RaiseKeyEvent(int dispatchId, std::int16_t& keyCode, std::int16_t& shift) {
  std::array<EventArgument, 2> arguments{&keyCode, &shift};
  container_.RaiseEvent(dispatchId, arguments);
}

void EntryEngine::OnKeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  {
    ChangeGuardScope guard(state_);
    const bool locked = text1_.Locked();
    const auto character = static_cast<wchar_t>(static_cast<std::uint16_t>(keyCode));
    if (!locked && shift == shift_state::Ctrl && std::towupper(character) == L'Z') {
      if (undoToggle_ == 1) {
        state_.firstUndoText = text1_.Text();
        WriteText(state_.secondUndoText);
        undoToggle_ = 0;
      } else {
        state_.secondUndoText = text1_.Text();
        WriteText(state_.firstUndoText);
        undoToggle_ = 1;
      }
    }
    if (keyCode == kDeleteKey && !locked) {
      const std::wstring t = text1_.Text();
      const int s = text1_.SelStart();
      const int l = text1_.SelLength();
      if (l > 0 && l < text::Length(t)) {
        // The last selected character stays for Text1's own deletion to remove.
        const auto start = static_cast<std::size_t>(s);
        std::wstring rest = t.substr(0, start) + t.substr(start + static_cast<std::size_t>(l) - 1);
        if (rest.empty()) {
          WriteZero();
        } else {
          WriteText(rest);
        }
        text1_.SetSelStart(s);
      } else if (l == text::Length(t)) {
        WriteZero();
      } else if (l == 0 && t.size() == 2 && t.starts_with(L'-')) {
        WriteZero();
      }
      // Delete in front of the separator steps over it and deletes nothing.
      const std::wstring now = text1_.Text();
      const int caret = text1_.SelStart();
      if (text1_.SelLength() == 0 && text::At(now, caret + 1) == state_.separators.decimal) {
        keyCode = 0;
        text1_.SetSelStart(caret + 1);
      }
    }
  }
  RaiseKeyEvent(event::KeyDown, keyCode, shift);
}

void EntryEngine::OnKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  RaiseKeyEvent(event::KeyUp, keyCode, shift);
}

}  // namespace kovra
