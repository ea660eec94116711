#include "platform/win32/win32_drawing_services.h"

#include <windows.h>
// windows.h first: the headers below rely on its types.
#include <olectl.h>
#include <uxtheme.h>

#include <string>

#include "platform/win32/win32_drawing.h"

namespace kovra::win32 {

namespace {

// Open theme data, closed when it goes.
class UxThemeData final : public ThemeData {
 public:
  explicit UxThemeData(HTHEME theme) : theme_(theme) {}
  ~UxThemeData() override { ::CloseThemeData(theme_); }
  UxThemeData(const UxThemeData&) = delete;
  UxThemeData& operator=(const UxThemeData&) = delete;

  bool DrawBackground(DeviceContext& dc, int part, int state, const PixelRect& rect,
                      const PixelRect& clip) override {
    auto* target = dynamic_cast<Win32DC*>(&dc);
    if (target == nullptr) return false;
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    const RECT c{clip.left, clip.top, clip.right, clip.bottom};
    return SUCCEEDED(::DrawThemeBackground(theme_, target->get(), part, state, &r, &c));
  }

 private:
  HTHEME theme_;
};

}  // namespace

std::unique_ptr<ThemeData> UxTheme::Open(std::uintptr_t window, std::wstring_view classList) {
  const std::wstring classes(classList);
  HTHEME theme = ::OpenThemeData(reinterpret_cast<HWND>(window), classes.c_str());
  if (theme == nullptr) return nullptr;
  return std::make_unique<UxThemeData>(theme);
}

int Win32Drawing::SystemMetric(int index) { return ::GetSystemMetrics(index); }

Rgb Win32Drawing::SystemColour(int index) { return static_cast<Rgb>(::GetSysColor(index)); }

std::optional<Rgb> Win32Drawing::TranslateOleColor(OleColor colour) {
  COLORREF rgb = 0;
  if (FAILED(::OleTranslateColor(static_cast<OLE_COLOR>(colour), nullptr, &rgb))) {
    return std::nullopt;
  }
  return static_cast<Rgb>(rgb);
}

}  // namespace kovra::win32
