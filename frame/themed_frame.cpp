#include "frame/themed_frame.h"

#include <array>
#include <exception>

#include "core/enumerations.h"
#include "frame/colours.h"
#include "frame/pixel_math.h"

namespace kovra {

namespace {

// By WinTheme: Blue, Silver, Olive.
constexpr std::array<Rgb, 3> kSchemeFrameColours{MakeRgb(127, 157, 185), MakeRgb(165, 172, 178),
                                                 MakeRgb(164, 185, 127)};

PixelRect WholeSurface(ControlSurface& surface) {
  return {0, 0, RoundHalfEven(static_cast<double>(surface.ScaleWidth())),
          RoundHalfEven(static_cast<double>(surface.ScaleHeight()))};
}

void DrawFlatFrame(const PropertyMembers& p, ControlSurface& surface, Rgb colour) {
  surface.Dc().FrameRectangle(WholeSurface(surface), p.winBorderWidth, colour);
}

// The engine's edit box; false when the engine cannot draw it.
bool DrawEngineFrame(const PropertyMembers& p, FrameParts& parts) {
  const bool normal = !RunMode(parts.container) || p.enabled != kFalse;
  const auto theme = parts.drawing.Theme().Open(parts.text1.WindowHandle(), L"EDIT");
  if (!theme) return false;
  const PixelRect all = WholeSurface(parts.surface);
  const bool drawn =
      theme->DrawBackground(parts.surface.Dc(), theme_part::EditText,
                            normal ? theme_state::Normal : theme_state::Disabled, all, all);
  if (drawn) parts.text1.SetBackColor(parts.surface.Dc().GetPixel(2, 2));
  return drawn;
}

}  // namespace

Rgb ManualFrameColour(const PropertyMembers& p, DrawingServices& drawing) {
  if (p.winBorderColorOption == win_border_color_option::UseBorderColor) {
    return TranslateColor(drawing, p.winBorderColor);
  }
  if (p.winTheme < 0 || p.winTheme > 2) return 0;
  return kSchemeFrameColours[static_cast<std::size_t>(p.winTheme)];
}

bool RunMode(Container& container) {
  try {
    return container.AmbientUserMode();
  } catch (const std::exception&) {
    return true;
  }
}

void DrawThemedFrame(PropertyMembers& p, FrameParts parts) {
  if (p.xpGetTheme == xp_get_theme::AutomaticGetTheme) {
    if (DrawEngineFrame(p, parts)) return;
    p.xpGetTheme = xp_get_theme::ManualGetTheme;  // for good: saved with the properties
  }
  if (p.xpGetTheme == xp_get_theme::ManualGetTheme) {
    DrawFlatFrame(p, parts.surface, ManualFrameColour(p, parts.drawing));
  }
}

void DrawHoverFrame(const PropertyMembers& p, FrameParts parts) {
  DrawFlatFrame(p, parts.surface, TranslateColor(parts.drawing, p.winBorderOverColor));
}

}  // namespace kovra
