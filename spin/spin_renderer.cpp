#include "spin/spin_renderer.h"

#include <array>
#include <span>

#include "core/enumerations.h"
#include "frame/colours.h"
#include "frame/line_table.h"
#include "resources/bitmaps.h"
#include "spin/spin_classic.h"

namespace kovra {

namespace {

constexpr Rgb kArrowKey = MakeRgb(255, 0, 255);

// One piece of the nine-slice copy: destination on the surface and source in the bitmap, each
// as x, y, width, height.
struct Slice {
  std::array<Edge, 4> destination;
  std::array<Edge, 4> source;
};

constexpr Slice kCentre{{At(0), At(1), End(1), End(1)}, {At(2), At(4), End(4), End(6)}};
constexpr Slice kTop{{At(0), At(0), End(1), At(2)}, {At(1), At(0), End(3), At(2)}};
constexpr Slice kBottomUp{{At(1), End(2), End(2), At(3)}, {At(1), End(3), End(3), At(3)}};
constexpr Slice kBottomDown{{At(0), End(2), End(1), At(3)}, {At(1), End(3), End(4), At(3)}};
constexpr Slice kLeft{{At(0), At(1), At(2), End(1)}, {At(0), At(3), At(2), End(6)}};
constexpr Slice kRight{{End(2), At(1), At(2), End(1)}, {End(2), At(3), At(2), End(6)}};
constexpr Slice kTopLeft{{At(0), At(0), At(2), At(2)}, {At(0), At(0), At(2), At(2)}};
constexpr Slice kTopRight{{End(2), At(0), At(2), At(2)}, {End(2), At(0), At(2), At(2)}};
constexpr Slice kBottomLeft{{At(0), End(1), At(2), At(2)}, {At(0), End(2), At(2), At(2)}};
constexpr Slice kBottomRight{{End(2), End(1), At(2), At(2)}, {End(2), End(2), At(2), At(2)}};

// The nine copies in order; only the bottom edge differs between the two sides.
std::array<Slice, 9> NineSlices(SpinSide side) {
  return {kCentre,   kTop,        side == SpinSide::Up ? kBottomUp : kBottomDown,
          kLeft,     kRight,      kTopLeft,
          kTopRight, kBottomLeft, kBottomRight};
}

PixelRect Resolve(const std::array<Edge, 4>& e, float width, float height) {
  return XYWH(kovra::Resolve(e[0], width), kovra::Resolve(e[1], height),
              kovra::Resolve(e[2], width), kovra::Resolve(e[3], height));
}

constexpr std::array<std::wstring_view, 3> kStateNames{L"Normal", L"Hot", L"Press"};
constexpr std::array<std::wstring_view, 3> kSchemeNames{L"_Blue", L"_Silver", L"_Olive"};

// The themed button. Where no visual style can draw it, the classic raised button in the
// system colours stands in (grey arrow for the disabled state), so that the button is never
// left blank.
void PaintThemed(SpinSide side, int themeState, SpinPaintParts& parts, float sw, float sh) {
  DeviceContext& dc = parts.surface.Dc();
  if (const auto theme = parts.drawing.Theme().Open(parts.surface.WindowHandle(), L"SPIN")) {
    const PixelRect all{0, 0, RoundHalfEven(static_cast<double>(sw)),
                        RoundHalfEven(static_cast<double>(sh))};
    if (theme->DrawBackground(dc, side == SpinSide::Up ? theme_part::SpinUp : theme_part::SpinDown,
                              themeState, all, all)) {
      return;
    }
  }
  const SpinFaceColours colours{0, parts.state.systemColours};
  const auto pressed = static_cast<std::uint8_t>(themeState == theme_state::Pressed ? 2 : 0);
  PaintClassicFace(dc, sw, sh, border3d::RaisedBorderStyle, edit3d_option::UseSystemColor, pressed,
                   colours);
  const bool disabled = themeState == theme_state::Disabled;
  PaintClassicArrow(dc, side, sw, sh,
                    TranslateColor(parts.drawing, disabled ? 0x80000011 : 0x80000012));
}

void PaintBitmap(SpinSide side, std::uint8_t visualState, SpinPaintParts& parts, float sw,
                 float sh) {
  DeviceContext& dc = parts.surface.Dc();
  const std::int16_t scheme = parts.state.properties.winTheme;
  if (const auto name = ButtonBitmapName(side, scheme, visualState)) {
    if (const auto picture = resources::LoadPicture(*name)) {
      const auto memory = parts.userControl.Dc().CreateCompatibleContext(*picture->bitmap);
      const float pw = parts.userControl.HimetricToPixelsX(picture->himetricWidth);
      const float ph = parts.userControl.HimetricToPixelsY(picture->himetricHeight);
      for (const Slice& slice : NineSlices(side)) {
        dc.StretchBlt(Resolve(slice.destination, sw, sh), *memory, Resolve(slice.source, pw, ph));
      }
    }
  }
  if (scheme < 0 || scheme > 2) return;  // no arrow bitmap is named either
  if (const auto arrow = resources::LoadPicture(ArrowBitmapName(side, scheme))) {
    const auto memory = parts.userControl.Dc().CreateCompatibleContext(*arrow->bitmap);
    const float aw = parts.userControl.HimetricToPixelsX(arrow->himetricWidth);
    const float ah = parts.userControl.HimetricToPixelsY(arrow->himetricHeight);
    const int x = RoundHalfEven(static_cast<double>(sw - aw)) / 2;
    const int y = RoundHalfEven(static_cast<double>(sh - ah)) / 2 + 1;
    const int w = RoundHalfEven(static_cast<double>(aw));
    const int h = RoundHalfEven(static_cast<double>(ah));
    dc.TransparentBlt(XYWH(x, y, w, h), *memory, XYWH(0, 0, w, h), kArrowKey);
  }
}

}  // namespace

bool SpinButtonsActive(const PropertyMembers& p, bool textLocked) {
  return p.enabled != kFalse &&
         (!textLocked ||
          (p.buttonSpin != kFalse && p.buttonSpinEdit == button_spin_edit::DisabledEdit));
}

std::optional<std::wstring> ButtonBitmapName(SpinSide side, std::int16_t winTheme,
                                             std::uint8_t visualState) {
  if (winTheme < 0 || winTheme > 2 || visualState > 2) return std::nullopt;
  std::wstring name = side == SpinSide::Up ? L"Up_" : L"down_";
  name += kStateNames[visualState];
  name += kSchemeNames[static_cast<std::size_t>(winTheme)];
  return name;
}

std::wstring ArrowBitmapName(SpinSide side, std::int16_t winTheme) {
  std::wstring name = side == SpinSide::Up ? L"ArrowUP" : L"ArrowDown";
  if (winTheme == win_theme::OliveTheme) name += L"Olive";
  return name;
}

void PaintSpinButton(SpinSide side, const std::uint8_t& visualState, SpinPaintParts parts) {
  PictureSurface& s = parts.surface;
  s.Cls();
  const PropertyMembers& p = parts.state.properties;
  const bool active = SpinButtonsActive(p, parts.textLocked);
  const float sw = s.ScaleWidth();
  const float sh = s.ScaleHeight();
  if (p.appearance == appearance::WindowsAppearance) {
    if (!active) {
      PaintThemed(side, theme_state::Disabled, parts, sw, sh);
    } else if (p.xpGetTheme == xp_get_theme::AutomaticGetTheme) {
      if (visualState <= 2) PaintThemed(side, visualState + 1, parts, sw, sh);
    } else if (p.xpGetTheme == xp_get_theme::ManualGetTheme) {
      PaintBitmap(side, visualState, parts, sw, sh);
    }
  } else if (p.appearance == appearance::Standard3DAppearance) {
    const Rgb arrow = TranslateColor(parts.drawing, active ? p.buttonSpinArrowColor : 0x80000011);
    const SpinFaceColours colours{TranslateColor(parts.drawing, p.edit3DColor),
                                  parts.state.systemColours};
    PaintClassicFace(s.Dc(), sw, sh, p.border3DStyle, p.edit3DOption, visualState, colours);
    PaintClassicArrow(s.Dc(), side, sw, sh, arrow);
  }
  s.Refresh();
}

}  // namespace kovra
