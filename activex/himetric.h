// Sizes between the screen's pixels and HIMETRIC (hundredths of a millimetre), the unit in which
// containers give a control its extent, at the screen's resolution.
#pragma once

#include <windows.h>

namespace kovra::activex {

SIZEL PixelsToHimetric(SIZE pixels);
SIZE HimetricToPixels(SIZEL himetric);

}  // namespace kovra::activex
