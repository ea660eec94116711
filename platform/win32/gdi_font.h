// The GDI font for a standard font object, at the screen's resolution.
#pragma once

#include "base/types.h"
#include "platform/win32/handles.h"

namespace kovra::win32 {

// A new GDI font with the face, size (points), weight and styles of `font`; empty when GDI
// refuses, in which case windows keep their system font.
UniqueFont CreateGdiFont(const Font& font);

}  // namespace kovra::win32
