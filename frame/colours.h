// Colour operations of the control: OLE colours to RGB, brightening and darkening a plain RGB
// value, and the system colour table that the frame and spin-button painters read.
#pragma once

#include "base/types.h"
#include "core/control_state.h"
#include "platform/drawing_services.h"

namespace kovra {

// The table as the system gives it now.
SystemColourTable LoadSystemColors(DrawingServices& drawing);

// OleTranslateColor(colour, no palette); black when the translation fails.
Rgb TranslateColor(DrawingServices& drawing, OleColor colour);

// Adds `delta` to each of red, green and blue of a plain RGB value; a positive delta limits
// each channel to 255, a negative one to 0.
Rgb ShiftColor(Rgb colour, int delta);

}  // namespace kovra
