#include "activex/key_routing.h"

#include <array>

namespace kovra::activex {
namespace {

struct KeyRow {
  UINT key;         // virtual-key code, or the character of a WM_CHAR
  DWORD modifiers;  // that must be held (0: none needed; any others may be held as well)
  KeyRoute route;
};

// Key-down and key-up messages, first match wins.
constexpr std::array<KeyRow, 17> kKeys{{
    {VK_TAB, 0, KeyRoute::Container},
    {VK_RETURN, 0, KeyRoute::Container},
    {VK_ESCAPE, 0, KeyRoute::Container},
    {VK_LEFT, 0, KeyRoute::Text1},
    {VK_RIGHT, 0, KeyRoute::Text1},
    {VK_UP, 0, KeyRoute::Text1},
    {VK_DOWN, 0, KeyRoute::Text1},
    {VK_HOME, 0, KeyRoute::Text1},
    {VK_END, 0, KeyRoute::Text1},
    {VK_DELETE, 0, KeyRoute::Text1},
    {VK_BACK, 0, KeyRoute::Text1},
    {VK_INSERT, 0, KeyRoute::Text1},  // Shift+Insert pastes, Ctrl+Insert copies
    {'C', kModifierControl, KeyRoute::Text1},
    {'V', kModifierControl, KeyRoute::Text1},
    {'X', kModifierControl, KeyRoute::Text1},
    {'Z', kModifierControl, KeyRoute::Text1},
    {'A', kModifierControl, KeyRoute::Text1},
}};

// The characters that stand for Tab, Enter and Escape.
constexpr std::array<WPARAM, 3> kContainerCharacters{L'\t', L'\r', 27};

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
         message == WM_SYSKEYUP;
}

}  // namespace

KeyRoute RouteOfKey(const MSG& message, DWORD modifiers) {
  if (message.message == WM_CHAR) {
    for (const WPARAM c : kContainerCharacters) {
      if (message.wParam == c) return KeyRoute::Container;
    }
    return (modifiers & kModifierAlt) != 0 ? KeyRoute::AsUsual : KeyRoute::Text1;
  }
  if (!IsKeyMessage(message.message) || (modifiers & kModifierAlt) != 0) return KeyRoute::AsUsual;
  for (const KeyRow& row : kKeys) {
    if (row.key == message.wParam && (modifiers & row.modifiers) == row.modifiers) return row.route;
  }
  return KeyRoute::AsUsual;
}

DWORD HeldModifiers() {
  DWORD modifiers = 0;
  if (::GetKeyState(VK_SHIFT) < 0) modifiers |= kModifierShift;
  if (::GetKeyState(VK_CONTROL) < 0) modifiers |= kModifierControl;
  if (::GetKeyState(VK_MENU) < 0) modifiers |= kModifierAlt;
  return modifiers;
}

}  // namespace kovra::activex
