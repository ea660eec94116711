// The control's saved values in a host's own property bag (IPersistPropertyBag): each key of
// the saved order by name, with the value in the VARIANT type of its kind, the font and the
// picture as the standard objects.
#pragma once

#include <ocidl.h>

#include "activex/font_link.h"
#include "activex/saved_properties.h"

namespace kovra::activex {

// Reads every key from `bag`. A key the bag does not hold is left out (loading gives it its
// default); any other failure of the bag, or a value no VARIANT conversion can make of the
// key's type, throws ComError.
SavedProperties ReadHostBag(IPropertyBag* bag, IErrorLog* log, FontLink& fonts);

// Writes every key of `saved` into `bag` in the saved order. Throws ComError.
void WriteHostBag(IPropertyBag* bag, const SavedProperties& saved, FontLink& fonts);

}  // namespace kovra::activex
