// The WindowsAppearance frame: the visual-style engine's edit box when XPGetTheme is automatic
// (with the switch to the manual look, for good, when the engine cannot draw), or a flat
// rectangle WinBorderWidth pixels wide in the scheme's or WinBorderColor's colour; and the
// hover rectangle in WinBorderOverColor.
#pragma once

#include "core/control_state.h"
#include "platform/container.h"
#include "platform/control_surface.h"
#include "platform/drawing_services.h"
#include "platform/text_box.h"

namespace kovra {

struct FrameParts {
  ControlSurface& surface;
  TextBox& text1;
  DrawingServices& drawing;
  Container& container;
};

// The manual frame's colour: WinBorderColor when WinBorderColorOption is UseBorderColor,
// otherwise the WinTheme scheme's (black for a value that names no scheme).
Rgb ManualFrameColour(const PropertyMembers& properties, DrawingServices& drawing);

// True while the form runs (ambient UserMode); run mode where the container cannot say.
bool RunMode(Container& container);

// DrawThemedFrame. May give Text1 the theme's fill colour and may set XPGetTheme to
// ManualGetTheme in `properties`.
void DrawThemedFrame(PropertyMembers& properties, FrameParts parts);

// DrawHoverFrame: the manual rectangle in WinBorderOverColor, over whatever frame is there.
void DrawHoverFrame(const PropertyMembers& properties, FrameParts parts);

}  // namespace kovra
