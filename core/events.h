// The events of the control's event interface, by dispatch identifier.
#pragma once

#include <string_view>

namespace kovra::event {

inline constexpr int Change = 1;
inline constexpr int Click = 2;
inline constexpr int DblClick = 3;
inline constexpr int KeyDown = 4;
inline constexpr int KeyPress = 5;
inline constexpr int KeyUp = 6;
inline constexpr int MouseDown = 7;
inline constexpr int MouseMove = 8;
inline constexpr int MouseUp = 9;
inline constexpr int OLECompleteDrag = 10;
inline constexpr int OLEDragDrop = 11;
inline constexpr int OLEDragOver = 12;
inline constexpr int OLESetData = 13;
inline constexpr int OLEStartDrag = 14;
inline constexpr int OLEGiveFeedback = 15;
inline constexpr int MouseEnter = 16;
inline constexpr int MouseExit = 17;
inline constexpr int ButtonSpin = 18;

// The event's name ("Change"), or an empty view for an unknown identifier.
std::wstring_view Name(int dispatchId);

}  // namespace kovra::event
