#include "platform/headless/headless_drawing.h"

#include <algorithm>
#include <cwctype>

namespace kovra::headless {

const std::array<Rgb, 31>& ClassicSystemColours() {
  static const std::array<Rgb, 31> colours{
      MakeRgb(212, 208, 200),  // 0 scroll bar
      MakeRgb(58, 110, 165),   // 1 desktop
      MakeRgb(10, 36, 106),    // 2 active caption
      MakeRgb(128, 128, 128),  // 3 inactive caption
      MakeRgb(212, 208, 200),  // 4 menu
      MakeRgb(255, 255, 255),  // 5 window
      MakeRgb(0, 0, 0),        // 6 window frame
      MakeRgb(0, 0, 0),        // 7 menu text
      MakeRgb(0, 0, 0),        // 8 window text
      MakeRgb(255, 255, 255),  // 9 caption text
      MakeRgb(212, 208, 200),  // 10 active border
      MakeRgb(212, 208, 200),  // 11 inactive border
      MakeRgb(128, 128, 128),  // 12 application workspace
      MakeRgb(10, 36, 106),    // 13 highlight
      MakeRgb(255, 255, 255),  // 14 highlight text
      MakeRgb(212, 208, 200),  // 15 button face
      MakeRgb(128, 128, 128),  // 16 button shadow
      MakeRgb(128, 128, 128),  // 17 grey text
      MakeRgb(0, 0, 0),        // 18 button text
      MakeRgb(212, 208, 200),  // 19 inactive caption text
      MakeRgb(255, 255, 255),  // 20 button highlight
      MakeRgb(64, 64, 64),     // 21 3D dark shadow
      MakeRgb(212, 208, 200),  // 22 3D light
      MakeRgb(0, 0, 0),        // 23 tooltip text
      MakeRgb(255, 255, 225),  // 24 tooltip background
      MakeRgb(181, 181, 181),  // 25 (unnamed)
      MakeRgb(0, 0, 128),      // 26 hot-tracked item
      MakeRgb(166, 202, 240),  // 27 active caption gradient
      MakeRgb(192, 192, 192),  // 28 inactive caption gradient
      MakeRgb(10, 36, 106),    // 29 menu highlight
      MakeRgb(212, 208, 200),  // 30 menu bar
  };
  return colours;
}

namespace {

// Colours of the built-in style.
constexpr Rgb kEditBorder = MakeRgb(127, 157, 185);
constexpr Rgb kEditBorderDisabled = MakeRgb(201, 199, 186);
constexpr Rgb kEditFill = MakeRgb(255, 255, 255);
constexpr Rgb kEditFillDisabled = MakeRgb(235, 235, 228);

struct SpinLook {
  Rgb border, face, arrow;
};
// By state 1..4: normal, hot, pressed, disabled.
constexpr SpinLook kSpinLooks[] = {
    {MakeRgb(180, 200, 246), MakeRgb(193, 211, 251), MakeRgb(77, 97, 133)},
    {MakeRgb(149, 173, 229), MakeRgb(212, 235, 252), MakeRgb(77, 97, 133)},
    {MakeRgb(131, 142, 218), MakeRgb(150, 170, 241), MakeRgb(77, 97, 133)},
    {MakeRgb(232, 232, 232), MakeRgb(244, 243, 238), MakeRgb(201, 199, 186)},
};

bool Equal(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return std::towupper(x) == std::towupper(y); });
}

class HeadlessThemeData final : public ThemeData {
 public:
  HeadlessThemeData(HeadlessTheme& engine, bool spin) : engine_(engine), spin_(spin) {
    ++engine_.opened;
  }
  ~HeadlessThemeData() override { ++engine_.closed; }
  HeadlessThemeData(const HeadlessThemeData&) = delete;
  HeadlessThemeData& operator=(const HeadlessThemeData&) = delete;

  bool DrawBackground(DeviceContext& dc, int part, int state, const PixelRect& rect,
                      const PixelRect& clip) override {
    const PixelRect r{std::max(rect.left, clip.left), std::max(rect.top, clip.top),
                      std::min(rect.right, clip.right), std::min(rect.bottom, clip.bottom)};
    if (state < 1 || state > 4) return false;
    if (!spin_) return part == 1 && Edit(dc, r, state == 4);
    if (part != 1 && part != 2) return false;
    Spin(dc, r, part == 1, kSpinLooks[state - 1]);
    return true;
  }

 private:
  static bool Edit(DeviceContext& dc, const PixelRect& r, bool disabled) {
    FillBox(dc, r, disabled ? kEditFillDisabled : kEditFill);
    dc.FrameRectangle(r, 1, disabled ? kEditBorderDisabled : kEditBorder);
    return true;
  }

  static void FillBox(DeviceContext& dc, const PixelRect& r, Rgb colour) {
    for (int y = r.top; y < r.bottom; ++y) dc.Line(r.left, y, r.right, y, colour);
  }

  static void Spin(DeviceContext& dc, const PixelRect& r, bool up, const SpinLook& look) {
    FillBox(dc, r, look.face);
    dc.FrameRectangle(r, 1, look.border);
    // The arrow: rows of 1, 3, 5 and 7 pixels without the centre, pointing up or down.
    const int cx = (r.left + r.right) / 2;
    const int cy = (r.top + r.bottom) / 2;
    for (int row = 0; row < 4; ++row) {
      const int y = up ? cy - 2 + row : cy + 1 - row;
      dc.Line(cx - row, y, cx + row + 1, y, look.arrow);
      if (row == 3) dc.SetPixelV(cx, y, look.face);
    }
  }

  HeadlessTheme& engine_;
  bool spin_;
};

}  // namespace

std::unique_ptr<ThemeData> HeadlessTheme::Open(std::uintptr_t /*window*/,
                                               std::wstring_view classList) {
  if (!visualStyle) return nullptr;
  if (Equal(classList, L"EDIT")) return std::make_unique<HeadlessThemeData>(*this, false);
  if (Equal(classList, L"SPIN")) return std::make_unique<HeadlessThemeData>(*this, true);
  return nullptr;
}

int HeadlessDrawing::SystemMetric(int index) {
  return index == system_metric::CxHScroll ? scrollArrowWidth : 0;
}

Rgb HeadlessDrawing::SystemColour(int index) {
  if (index < 0 || index >= static_cast<int>(systemColours.size())) return 0;
  return systemColours[static_cast<std::size_t>(index)];
}

std::optional<Rgb> HeadlessDrawing::TranslateOleColor(OleColor colour) {
  switch (colour >> 24) {
    case 0x00:  // RGB
    case 0x02:  // palette-relative RGB: without a palette, the RGB itself
      return colour & 0xFFFFFF;
    case 0x80: {  // system colour
      const OleColor index = colour & 0xFFFFFF;
      if (index >= systemColours.size()) return std::nullopt;
      return systemColours[index];
    }
    default:  // palette indexes need a palette; anything else is not a colour
      return std::nullopt;
  }
}

}  // namespace kovra::headless
