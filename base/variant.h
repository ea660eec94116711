// A value as late binding and the property bag carry it: empty, a Boolean, a number of one of
// the Automation widths, a text, or a font or picture object.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "base/types.h"

namespace kovra {

using Variant = std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double,
                             std::wstring, FontRef, PictureRef>;

}  // namespace kovra
