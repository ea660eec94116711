#include "spin/spin_classic.h"

#include <array>
#include <span>

#include "frame/line_table.h"
#include "spin/spin_renderer.h"

namespace kovra {

namespace {

// A colour of the classic button: an entry shifted by `shift` (0 keeps it as it is).
enum class Entry { Base, Face, Shadow, Highlight, ButtonText };
struct ColourSource {
  Entry entry;
  int shift;
};

// What a step paints: a fill of the whole surface (F), of the inside (G), or one line set.
enum class Set { Fill, InnerFill, RaisedTopLeft, RaisedBottomRight, Outer, Inner, Bright };
struct Step {
  Set set;
  ColourSource colour;
};

using Line = TableLine<int>;
constexpr std::array<Line, 2> kRaisedTopLeft{{
    {At(1), At(1), End(2), At(1), 0},  // L1
    {At(1), At(1), At(1), End(2), 0},  // L2
}};
constexpr std::array<Line, 2> kRaisedBottomRight{{
    {At(0), End(1), End(0), End(1), 0},  // L3
    {End(1), At(0), End(1), End(0), 0},  // L4
}};
constexpr std::array<Line, 4> kOuter{{
    {At(0), At(0), End(1), At(0), 0},
    {At(0), At(0), At(0), End(1), 0},
    {At(0), End(1), End(0), End(1), 0},
    {End(1), At(0), End(1), End(0), 0},
}};
constexpr std::array<Line, 4> kInner{{
    {At(1), At(1), End(2), At(1), 0},
    {At(1), At(1), At(1), End(2), 0},
    {At(1), End(2), End(1), End(2), 0},
    {End(2), At(1), End(2), End(1), 0},
}};
constexpr std::array<Line, 4> kBright{{
    {At(1), At(1), End(1), At(1), 0},
    {At(1), At(1), At(1), End(1), 0},
    {At(1), End(2), End(0), End(2), 0},
    {End(1), At(1), End(1), End(1), 0},
}};

// The faces by style group (0, 1, 2, 6 | 3 | 4 | 5) and state (normal and hot | pressed).
using Face = std::span<const Step>;
constexpr ColourSource Sh(int d) { return {Entry::Base, d}; }
constexpr ColourSource Sys(Entry e, int d = 0) { return {e, d}; }

constexpr Step kE3dRaised[] = {
    {Set::Fill, Sh(0)}, {Set::RaisedTopLeft, Sh(90)}, {Set::RaisedBottomRight, Sh(-70)}};
constexpr Step kE3dRaisedPressed[] = {
    {Set::Fill, Sh(0)}, {Set::RaisedTopLeft, Sh(-70)}, {Set::RaisedBottomRight, Sh(90)}};
constexpr Step kE3dFlat[] = {{Set::Outer, Sh(-120)}};
constexpr Step kE3dFlatPressed[] = {{Set::Outer, Sh(-120)}, {Set::Inner, Sh(-20)}};
constexpr Step kE3dLight[] = {{Set::Fill, Sh(0)}, {Set::Bright, Sh(90)}};
constexpr Step kE3dLightPressed[] = {
    {Set::Fill, Sh(0)}, {Set::InnerFill, Sh(-20)}, {Set::Bright, Sh(90)}};
constexpr Step kE3dShadow[] = {{Set::Outer, Sh(-70)}, {Set::Inner, Sh(0)}};
constexpr Step kE3dShadowPressed[] = {{Set::Outer, Sh(-90)}, {Set::Inner, Sh(-20)}};

constexpr Step kSysRaised[] = {{Set::Fill, Sys(Entry::Face)},
                               {Set::RaisedTopLeft, Sys(Entry::Highlight)},
                               {Set::RaisedBottomRight, Sys(Entry::Shadow)}};
constexpr Step kSysRaisedPressed[] = {{Set::Fill, Sys(Entry::Face)},
                                      {Set::RaisedTopLeft, Sys(Entry::Shadow)},
                                      {Set::RaisedBottomRight, Sys(Entry::Highlight)}};
constexpr Step kSysFlat[] = {{Set::Outer, Sys(Entry::ButtonText)}};
constexpr Step kSysFlatPressed[] = {{Set::Outer, Sys(Entry::ButtonText)},
                                    {Set::Inner, Sys(Entry::Face)}};
constexpr Step kSysLight[] = {{Set::Fill, Sys(Entry::Face)}, {Set::Bright, Sys(Entry::Highlight)}};
constexpr Step kSysLightPressed[] = {{Set::Fill, Sys(Entry::Face)},
                                     {Set::InnerFill, Sys(Entry::Face, -20)},
                                     {Set::Bright, Sys(Entry::Highlight)}};
constexpr Step kSysShadow[] = {{Set::Outer, Sys(Entry::Shadow)}, {Set::Inner, Sys(Entry::Face)}};
constexpr Step kSysShadowPressed[] = {{Set::Outer, Sys(Entry::Shadow, -20)},
                                      {Set::Inner, Sys(Entry::Face, -20)}};

// [option][group][pressed]
constexpr std::array<std::array<std::array<Face, 2>, 4>, 2> kFaces{{
    {{{kSysRaised, kSysRaisedPressed},
      {kSysFlat, kSysFlatPressed},
      {kSysLight, kSysLightPressed},
      {kSysShadow, kSysShadowPressed}}},
    {{{kE3dRaised, kE3dRaisedPressed},
      {kE3dFlat, kE3dFlatPressed},
      {kE3dLight, kE3dLightPressed},
      {kE3dShadow, kE3dShadowPressed}}},
}};

int StyleGroup(std::int16_t style) {
  switch (style) {
    case 0:
    case 1:
    case 2:
    case 6:
      return 0;
    case 3:
      return 1;
    case 4:
      return 2;
    case 5:
      return 3;
    default:
      return -1;
  }
}

Rgb ColourOf(const ColourSource& source, const SpinFaceColours& c) {
  Rgb entry = c.base;
  switch (source.entry) {
    case Entry::Base:
      break;
    case Entry::Face:
      entry = c.system.face;
      break;
    case Entry::Shadow:
      entry = c.system.shadow;
      break;
    case Entry::Highlight:
      entry = c.system.highlight;
      break;
    case Entry::ButtonText:
      entry = c.system.buttonText;
      break;
  }
  return source.shift == 0 ? entry : ShiftColor(entry, source.shift);
}

void DrawSet(DeviceContext& dc, Set set, float sw, float sh, Rgb colour) {
  const auto draw = [&](std::span<const Line> lines) {
    DrawLines<int>(dc, lines, sw, sh, [colour](int) { return colour; });
  };
  const int w = RoundHalfEven(static_cast<double>(sw));
  const int h = RoundHalfEven(static_cast<double>(sh));
  switch (set) {
    case Set::Fill:  // y = 0 to SH, inclusive
      for (int y = 0; y <= h; ++y) DrawSurfaceLine(dc, 0, y, w, y, colour);
      break;
    case Set::InnerFill:  // y = 1 to SH − 2, inclusive
      for (int y = 1; y <= FromEnd(sh, 2); ++y)
        DrawSurfaceLine(dc, 1, y, FromEnd(sw, 1), y, colour);
      break;
    case Set::RaisedTopLeft:
      draw(kRaisedTopLeft);
      break;
    case Set::RaisedBottomRight:
      draw(kRaisedBottomRight);
      break;
    case Set::Outer:
      draw(kOuter);
      break;
    case Set::Inner:
      draw(kInner);
      break;
    case Set::Bright:
      draw(kBright);
      break;
  }
}

// The glyph as lines and single pixels around (cx, cy), in drawing order.
struct GlyphStroke {
  int x1, y1, x2, y2;
  bool pixel;  // SetPixelV at (x1, y1)
};
constexpr std::array<GlyphStroke, 7> kUpGlyph{{
    {0, -2, 0, 1, false},
    {-1, -1, -1, 2, false},
    {1, -1, 1, 2, false},
    {-2, 0, -2, 2, false},
    {2, 0, 2, 2, false},
    {-3, 1, 0, 0, true},
    {3, 1, 0, 0, true},
}};
constexpr std::array<GlyphStroke, 7> kDownGlyph{{
    {0, 1, 0, -2, false},
    {-1, 0, -1, -3, false},
    {1, 0, 1, -3, false},
    {-2, -1, -2, -3, false},
    {2, -1, 2, -3, false},
    {-3, -2, 0, 0, true},
    {3, -2, 0, 0, true},
}};

}  // namespace

void PaintClassicFace(DeviceContext& dc, float sw, float sh, std::int16_t border3DStyle,
                      std::int16_t edit3DOption, std::uint8_t visualState,
                      const SpinFaceColours& colours) {
  const int group = StyleGroup(border3DStyle);
  if (group < 0 || visualState > 2) return;
  const std::size_t option = edit3DOption == 1 ? 1 : 0;
  const Face face = kFaces[option][static_cast<std::size_t>(group)][visualState == 2 ? 1 : 0];
  for (const Step& step : face) DrawSet(dc, step.set, sw, sh, ColourOf(step.colour, colours));
}

void PaintClassicArrow(DeviceContext& dc, SpinSide side, float sw, float sh, Rgb colour) {
  const int cx = RoundHalfEven(static_cast<double>(sw)) / 2;
  const int cy = RoundHalfEven(static_cast<double>(sh)) / 2;
  for (const GlyphStroke& s : side == SpinSide::Up ? kUpGlyph : kDownGlyph) {
    if (s.pixel) {
      dc.SetPixelV(cx + s.x1, cy + s.y1, colour);
    } else {
      DrawSurfaceLine(dc, cx + s.x1, cy + s.y1, cx + s.x2, cy + s.y2, colour);
    }
  }
}

}  // namespace kovra
