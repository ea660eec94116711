// Colour operations of the control: OLE colours to RGB, brightening and darkening a plain RGB
// value, and the system colour table that the frame and spin-button painters read.
#pragma once

#include "platform/drawing_services.h"
#include "platform/types.h"

namespace kovra {

// The four system colours the painters use; refilled by LoadSystemColors at every refresh.
struct SystemColourTable {
  Rgb face = 0;        // COLOR_BTNFACE
  Rgb shadow = 0;      // COLOR_BTNSHADOW
  Rgb highlight = 0;   // COLOR_BTNHIGHLIGHT
  Rgb buttonText = 0;  // COLOR_BTNTEXT
  friend bool operator==(const SystemColourTable&, const SystemColourTable&) = default;
};

// The table as the system gives it now.
SystemColourTable LoadSystemColors(DrawingServices& drawing);

// OleTranslateColor(colour, no palette); black when the translation fails.
Rgb TranslateColor(DrawingServices& drawing, OleColor colour);

// Adds `delta` to each of red, green and blue of a plain RGB value; a positive delta limits
// each channel to 255, a negative one to 0.
Rgb ShiftColor(Rgb colour, int delta);

}  // namespace kovra
