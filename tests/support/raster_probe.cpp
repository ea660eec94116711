#include "tests/support/raster_probe.h"

#include <cstdio>

namespace kovra::test {

Bitmap Blank(int width, int height, Rgb colour) {
  return Bitmap{
      width, height,
      std::vector<Rgb>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour)};
}

std::string Mask(const Bitmap& picture, Rgb colour, char mark) {
  std::string text;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) text += picture.At(x, y) == colour ? mark : '.';
    text += '\n';
  }
  return text;
}

std::string Hex(Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(colour), GreenOf(colour), BlueOf(colour));
  return text;
}

}  // namespace kovra::test
