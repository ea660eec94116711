// The keys a script can press by name, and the key a typed character comes from.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kovra::tools {

struct KeyStroke {
  std::int16_t keyCode;  // virtual-key code
  std::int16_t shift;    // 1 Shift, 2 Ctrl, 4 Alt
  wchar_t character;     // the character the key makes, 0 for none
};

// "Backspace", "Delete", "Enter", "Escape", "Left", "Right", "Home", "End", the Shift+ forms
// of the four moves, "Ctrl+C", "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Shift+Z", "Alt+Z".
std::optional<KeyStroke> NamedKey(std::wstring_view name);

// The key stroke that types `character` on a US keyboard layout.
KeyStroke TypedKey(wchar_t character);

}  // namespace kovra::tools
