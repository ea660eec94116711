// What a window shows on the screen — its client area, or the whole window with its frame and
// caption — written as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace kovra::container {

// False when the pixels cannot be read or the file cannot be written.
bool WriteScreenshot(HWND window, const std::wstring& path);
// The whole window, frame and caption included, as the screen shows it (a dialog box).
bool WriteWindowScreenshot(HWND window, const std::wstring& path);

}  // namespace kovra::container
