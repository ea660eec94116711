// Reading pictures in tests: a blank raster of a given size, and the pixels of one colour
// written as text so that a failed pixel case shows where it went wrong.
#pragma once

#include <string>

#include "platform/drawing.h"

namespace kovra::test {

// A width × height picture filled with `colour`.
Bitmap Blank(int width, int height, Rgb colour);

// The picture as rows of characters: `mark` where the pixel is `colour`, '.' elsewhere.
std::string Mask(const Bitmap& picture, Rgb colour, char mark = '#');

// "#RRGGBB".
std::string Hex(Rgb colour);

}  // namespace kovra::test
