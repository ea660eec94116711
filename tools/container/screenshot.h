// A window's client area as it shows on the screen, written as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace kovra::container {

// False when the pixels cannot be read or the file cannot be written.
bool WriteScreenshot(HWND window, const std::wstring& path);

}  // namespace kovra::container
