// The standard font and picture objects of OLE as the core's fonts and pictures. A font crosses
// by value (its name, size and styles); a picture crosses by reference: the core's picture
// keeps the standard object alive and hands the very same object back.
#pragma once

#include <ocidl.h>
#include <olectl.h>

#include "activex/com_ptr.h"
#include "base/types.h"

namespace kovra::activex {

// A new standard font object with the attributes of `font`. Throws ComError.
ComPtr<IFont> NewFontObject(const Font& font);
// The attributes of a standard font object. Throws ComError.
Font ReadFontObject(IFont* object);
// Changes those attributes of `object` that differ from `font`. Throws ComError.
void UpdateFontObject(IFont* object, const Font& font);

// The core's picture for a standard picture object; throws ComError(DISP_E_TYPEMISMATCH) for an
// object that is no picture.
PictureRef PictureFrom(IUnknown* object);
// The standard picture object behind `picture` (empty for none).
ComPtr<IPictureDisp> PictureObject(const PictureRef& picture);

}  // namespace kovra::activex
