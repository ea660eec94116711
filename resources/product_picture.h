// The About box's pictures, drawn by this code: the product picture — the control drawn large,
// a number in its box beside its two spin buttons, over a light band on which the box's texts
// stand — and the OK button's tick. The product picture travels as a JPEG made from this
// drawing at build time; the same input always gives the same pixels.
#pragma once

#include "platform/drawing.h"

namespace kovra::resources {

inline constexpr int kProductPictureWidth = 320;
inline constexpr int kProductPictureHeight = 200;
// The first row of the light band that the About box's texts stand on.
inline constexpr int kTextBandTop = 120;
// The resource names the About box asks for.
inline constexpr const wchar_t* kProductPictureName = L"PRODUCT";
inline constexpr const wchar_t* kOkMarkName = L"OKMARK";

Bitmap DrawProductPicture();

// A green tick, kOkMarkSize square, on the arrows' magenta key colour.
inline constexpr int kOkMarkSize = 16;
Bitmap DrawOkMark();

}  // namespace kovra::resources
