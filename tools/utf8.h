// UTF-8 for the driver's input and output (the control's texts are BMP characters).
#pragma once

#include <string>
#include <string_view>

namespace kovra::tools {

std::string ToUtf8(std::wstring_view text);
// Invalid sequences become U+FFFD.
std::wstring FromUtf8(std::string_view text);

}  // namespace kovra::tools
