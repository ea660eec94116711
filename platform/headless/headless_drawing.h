// The headless drawing facts: the classic desktop's system colours and metrics, OLE colour
// translation as OleTranslateColor does it without a palette, and a visual-style engine that
// is either off ("no visual style": theme data cannot be opened) or a simple built-in style.
#pragma once

#include <array>
#include <cstdint>

#include "platform/drawing_services.h"

namespace kovra::headless {

// The system colours of the classic Windows desktop, by GetSysColor index 0..30.
const std::array<Rgb, 31>& ClassicSystemColours();

// The built-in visual style: EDIT draws a white field in a blue-grey line, SPIN a light blue
// button with a dark arrow; the disabled states are grey.
class HeadlessTheme final : public ThemeEngine {
 public:
  std::unique_ptr<ThemeData> Open(std::uintptr_t window, std::wstring_view classList) override;

  bool visualStyle = true;  // false: no visual style, Open gives nothing
  int opened = 0;           // theme data opened so far
  int closed = 0;           // and closed again
};

class HeadlessDrawing final : public DrawingServices {
 public:
  int SystemMetric(int index) override;
  Rgb SystemColour(int index) override;
  std::optional<Rgb> TranslateOleColor(OleColor colour) override;
  ThemeEngine& Theme() override { return theme; }

  std::array<Rgb, 31> systemColours = ClassicSystemColours();
  int scrollArrowWidth = 17;  // SM_CXHSCROLL as Windows gives it at 96 pixels per inch
  HeadlessTheme theme;
};

}  // namespace kovra::headless
