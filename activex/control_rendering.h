// The control's picture as its window shows it — the frame, the spin buttons and Text1 with its
// text — drawn into any device context a container gives: a screen, a memory bitmap, a metafile
// or a printer, whether the control is active or not.
#pragma once

#include <windows.h>

namespace kovra {
class KovraDouble;
}

namespace kovra::activex {

// Draws the control's picture, at the size of its window, stretched into `bounds` of `target`
// (in `target`'s logical units). False when the picture could not be made.
bool RenderControl(KovraDouble& control, HDC target, const RECT& bounds);

}  // namespace kovra::activex
