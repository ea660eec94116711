// Where a key goes while the control is active in a container: the editing keys, the arrows,
// Home and End, Delete, Backspace, the clipboard keys and the typed characters belong to Text1
// (a container's dialog navigation must not take them), Tab, Enter and Escape go back to the
// container (to move the focus, press a default or cancel button), and everything else is the
// container's to dispatch as it does.
#pragma once

#include <windows.h>

namespace kovra::activex {

enum class KeyRoute { Text1, Container, AsUsual };

// The modifier bits of IOleControlSite::TranslateAccelerator (KEYMOD_SHIFT, KEYMOD_CONTROL,
// KEYMOD_ALT, which MinGW's headers lack).
inline constexpr DWORD kModifierShift = 0x1;
inline constexpr DWORD kModifierControl = 0x2;
inline constexpr DWORD kModifierAlt = 0x4;

// The route of a keyboard message (WM_KEYDOWN, WM_CHAR, ...; any other message goes AsUsual)
// while the modifier keys `modifiers` (the bits below) are held.
KeyRoute RouteOfKey(const MSG& message, DWORD modifiers);

// The modifier keys held now, as IOleControlSite::TranslateAccelerator takes them.
DWORD HeldModifiers();

}  // namespace kovra::activex
