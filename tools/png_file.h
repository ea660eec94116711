// Writes pictures as PNG files (8-bit RGB), with libpng.
#pragma once

#include <string>

#include "platform/drawing.h"

namespace kovra::tools {

// Writes `picture` to `path`, making the folders on the way; throws std::runtime_error when
// the file cannot be written.
void WritePng(const std::string& path, const Bitmap& picture);

}  // namespace kovra::tools
