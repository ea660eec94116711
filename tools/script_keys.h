// The keys a script presses: by name, as a raw stroke, or as the stroke that types a character
// on a US keyboard layout.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kovra::tools {

// VK_PACKET: a character that arrives without a key of its own.
inline constexpr std::int16_t kPacketKey = 231;

struct KeyStroke {
  std::int16_t keyCode;  // virtual-key code
  std::int16_t shift;    // 1 Shift, 2 Ctrl, 4 Alt
  wchar_t character;     // the character the key makes, 0 for none
};

// "Backspace", "Delete", "Enter", "Escape", "Left", "Right", "Home", "End", the Shift+ forms
// of the four moves, "Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Shift+Z", "Alt+Z", "Period",
// "Comma".
std::optional<KeyStroke> NamedKey(std::wstring_view name);

// The strokes of a `key` line, in order: named keys, and raw strokes written as vk=CODE with
// optional shift=STATE and char=C words after it (no character unless one is given). Throws
// std::invalid_argument on a word that is neither.
std::vector<KeyStroke> KeyStrokes(std::span<const std::wstring> words);

// The stroke that types `character` on a US keyboard layout: digits 48..57, letters 65..90
// (Shift for capitals), the OEM keys for punctuation (Shift where the character is the upper
// one: "+" is Shift with 187). A character the layout lacks comes as a packet of its own
// (VK_PACKET, 231), as Windows delivers a character sent without a key.
KeyStroke TypedKey(wchar_t character);

}  // namespace kovra::tools
