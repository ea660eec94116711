// The spin-button renderers: PaintUpButton and PaintDownButton clear their surface and paint it
// completely in the look that Appearance and XPGetTheme choose — the visual-style engine's
// button, a colour scheme's bitmap stretched nine-slice with an arrow laid over it, or the
// classic face, bevel and arrow drawn from one-pixel lines — then present it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/control_state.h"
#include "platform/control_surface.h"
#include "platform/drawing_services.h"
#include "platform/surface_picture.h"

namespace kovra {

enum class SpinSide { Up, Down };

// Button visual states.
namespace button_state {
inline constexpr std::uint8_t Normal = 0;
inline constexpr std::uint8_t Hot = 1;
inline constexpr std::uint8_t Pressed = 2;
}  // namespace button_state

struct SpinPaintParts {
  PictureSurface& surface;      // Up or Down
  ControlSurface& userControl;  // its memory contexts and HIMETRIC conversion
  DrawingServices& drawing;
  const ControlState& state;
  bool textLocked;  // Text1.Locked
};

// Whether the buttons look usable: Enabled and (Text1 not locked, or spin-only mode).
bool SpinButtonsActive(const PropertyMembers& properties, bool textLocked);

// The name of the face bitmap for a side, WinTheme and visual state ("Up_Hot_Olive"); nothing
// for a scheme or state that names no bitmap.
std::optional<std::wstring> ButtonBitmapName(SpinSide side, std::int16_t winTheme,
                                             std::uint8_t visualState);
// The name of the arrow bitmap ("ArrowUP", "ArrowDownOlive").
std::wstring ArrowBitmapName(SpinSide side, std::int16_t winTheme);

// PaintUpButton / PaintDownButton: the whole button for `visualState` (0 normal, 1 hot,
// 2 pressed). Failures of the drawing calls are ignored; failures of the surface itself
// (clearing, presenting) reach the caller.
void PaintSpinButton(SpinSide side, const std::uint8_t& visualState, SpinPaintParts parts);

}  // namespace kovra
