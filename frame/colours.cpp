#include "frame/colours.h"

#include <algorithm>

namespace kovra {

SystemColourTable LoadSystemColors(DrawingServices& drawing) {
  return {drawing.SystemColour(system_colour::ButtonFace),
          drawing.SystemColour(system_colour::ButtonShadow),
          drawing.SystemColour(system_colour::ButtonHighlight),
          drawing.SystemColour(system_colour::ButtonText)};
}

Rgb TranslateColor(DrawingServices& drawing, OleColor colour) {
  return drawing.TranslateOleColor(colour).value_or(0);
}

Rgb ShiftColor(Rgb colour, int delta) {
  const auto shift = [delta](int channel) {
    const int shifted = channel + delta;
    return delta >= 1 ? std::min(shifted, 255) : std::max(shifted, 0);
  };
  return MakeRgb(shift(RedOf(colour)), shift(GreenOf(colour)), shift(BlueOf(colour)));
}

}  // namespace kovra
