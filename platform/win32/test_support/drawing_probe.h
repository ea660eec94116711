// What the Windows tests read and switch beside the platform's own interfaces, declared
// without Windows headers: the GDI objects alive, and the desktop's visual style.
#pragma once

#include <string>

namespace kovra::win32 {

// GDI objects (pens, bitmaps, memory contexts) made by the library's owners and still alive.
int LiveGdiObjectCount();
// GetGuiResources(GR_GDIOBJECTS) of this process; 0 where the system does not count.
int ProcessGdiObjects();

// Makes the visual style in `msstylesPath` the desktop's (uxtheme's OpenThemeFile and
// ApplyTheme); false when it cannot. RemoveVisualStyle goes back to no visual style.
bool ApplyVisualStyle(const std::wstring& msstylesPath);
void RemoveVisualStyle();
// The built-in style of Wine, where Wine installs it.
std::wstring WineLightStylePath();

}  // namespace kovra::win32
