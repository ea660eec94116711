// The system's drawing facts on Windows: GetSystemMetrics, GetSysColor, OleTranslateColor and
// the visual-style engine of uxtheme.
#pragma once

#include "platform/drawing_services.h"

namespace kovra::win32 {

// OpenThemeData / DrawThemeBackground / CloseThemeData.
class UxTheme final : public ThemeEngine {
 public:
  std::unique_ptr<ThemeData> Open(std::uintptr_t window, std::wstring_view classList) override;
};

class Win32Drawing final : public DrawingServices {
 public:
  int SystemMetric(int index) override;
  Rgb SystemColour(int index) override;
  std::optional<Rgb> TranslateOleColor(OleColor colour) override;
  ThemeEngine& Theme() override { return theme_; }

 private:
  UxTheme theme_;
};

}  // namespace kovra::win32
