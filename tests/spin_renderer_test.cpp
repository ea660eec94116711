// The spin-button renderers in the three looks: the classic face, bevel and glyph as pixels,
// the bitmap look's nine-slice copy as calls, and the themed look's parts and states.
#include "spin/spin_renderer.h"

#include <gtest/gtest.h>

#include "core/enumerations.h"
#include "platform/headless/headless_drawing.h"
#include "platform/headless/headless_surfaces.h"
#include "platform/headless/raster.h"
#include "platform/theme.h"
#include "resources/bitmaps.h"
#include "spin/spin_classic.h"
#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

constexpr Rgb kBack = MakeRgb(1, 2, 3);
constexpr Rgb kArrow = MakeRgb(0, 0, 0);  // button text
constexpr Rgb kGreyText = MakeRgb(128, 128, 128);

class SpinRendererTest : public ::testing::Test {
 protected:
  SpinRendererTest() {
    state.properties = DefaultProperties();
    state.systemColours = LoadSystemColors(drawing);
    up.SetBackColor(kBack);
    down.SetBackColor(kBack);
    Size(17, 10);
  }
  void Size(int w, int h) {
    for (auto* s : {&up, &down}) {
      s->SetWidth(static_cast<float>(w));
      s->SetHeight(static_cast<float>(h));
    }
  }
  headless::HeadlessPictureSurface& Surface(SpinSide side) {
    return side == SpinSide::Up ? up : down;
  }
  const Bitmap& Paint(SpinSide side, std::uint8_t visualState, bool locked = false) {
    PaintSpinButton(side, visualState, {Surface(side), control, drawing, state, locked});
    return Surface(side).Image();
  }
  PropertyMembers& P() { return state.properties; }

  headless::HeadlessDrawing drawing;
  headless::HeadlessSurface control{1};
  headless::HeadlessPictureSurface up{2};
  headless::HeadlessPictureSurface down{3};
  ControlState state;
};

TEST_F(SpinRendererTest, UpGlyphOnSeventeenByTen) {
  P().appearance = appearance::Standard3DAppearance;
  P().border3DStyle = border3d::FlatStandardBorderStyle;  // no fill: the glyph stands alone
  const Bitmap& image = Paint(SpinSide::Up, 0);
  // cx = 8, cy = 5: top pixel at (8, 3), bottom row at y = 6 without its middle.
  std::string rows;
  for (int y = 2; y <= 7; ++y) {
    for (int x = 4; x <= 12; ++x) rows += image.At(x, y) == kArrow ? '#' : '.';
    rows += '\n';
  }
  // The flat ring in button text shares the arrow's colour only on the outer ring, outside.
  EXPECT_EQ(rows,
            ".........\n"
            "....#....\n"
            "...###...\n"
            "..#####..\n"
            ".###.###.\n"
            ".........\n");
}

TEST_F(SpinRendererTest, DownGlyphIsTheUpGlyphFlipped) {
  P().appearance = appearance::Standard3DAppearance;
  P().border3DStyle = border3d::FlatShadowBorderStyle;
  const Bitmap& image = Paint(SpinSide::Down, 0);
  std::string rows;
  for (int y = 2; y <= 7; ++y) {
    for (int x = 4; x <= 12; ++x) rows += image.At(x, y) == kArrow ? '#' : '.';
    rows += '\n';
  }
  EXPECT_EQ(rows,
            ".........\n"
            ".###.###.\n"
            "..#####..\n"
            "...###...\n"
            "....#....\n"
            ".........\n");
}

TEST_F(SpinRendererTest, ClassicNormalAndHotAreTheSamePressedDiffers) {
  P().appearance = appearance::Standard3DAppearance;
  for (const std::int16_t option : {std::int16_t{0}, std::int16_t{1}}) {
    for (int style = 0; style <= 6; ++style) {
      P().edit3DOption = option;
      P().border3DStyle = static_cast<std::int16_t>(style);
      for (const SpinSide side : {SpinSide::Up, SpinSide::Down}) {
        const Bitmap normal = Paint(side, 0);
        const Bitmap hot = Paint(side, 1);
        const Bitmap pressed = Paint(side, 2);
        EXPECT_EQ(normal, hot) << "style " << style << " option " << option;
        EXPECT_NE(normal, pressed) << "style " << style << " option " << option;
      }
    }
  }
}

struct FaceCase {
  std::int16_t style, option;
  std::uint8_t state;
  Rgb corner;       // (0, 0)
  Rgb inner;        // (1, 1)
  Rgb centre;       // (3, 3), away from the glyph
  Rgb bottomRight;  // (SW − 1, SH − 1)
};

// Edit3DColor RGB(100, 100, 100) for option 1; the classic system colours for option 0.
const FaceCase kFaces[] = {
    {1, 0, 0, MakeRgb(212, 208, 200), MakeRgb(255, 255, 255), MakeRgb(212, 208, 200),
     MakeRgb(128, 128, 128)},
    {1, 0, 2, MakeRgb(212, 208, 200), MakeRgb(128, 128, 128), MakeRgb(212, 208, 200),
     MakeRgb(255, 255, 255)},
    {3, 0, 0, MakeRgb(0, 0, 0), kBack, kBack, MakeRgb(0, 0, 0)},
    {3, 0, 2, MakeRgb(0, 0, 0), MakeRgb(212, 208, 200), kBack, MakeRgb(0, 0, 0)},
    // The bright ring stops short of the last row and column, which keep the fill.
    {4, 0, 0, MakeRgb(212, 208, 200), MakeRgb(255, 255, 255), MakeRgb(212, 208, 200),
     MakeRgb(212, 208, 200)},
    {4, 0, 2, MakeRgb(212, 208, 200), MakeRgb(255, 255, 255), MakeRgb(192, 188, 180),
     MakeRgb(212, 208, 200)},
    {5, 0, 0, MakeRgb(128, 128, 128), MakeRgb(212, 208, 200), kBack, MakeRgb(128, 128, 128)},
    {5, 0, 2, MakeRgb(108, 108, 108), MakeRgb(192, 188, 180), kBack, MakeRgb(108, 108, 108)},
    {6, 1, 0, MakeRgb(100, 100, 100), MakeRgb(190, 190, 190), MakeRgb(100, 100, 100),
     MakeRgb(30, 30, 30)},
    {0, 1, 2, MakeRgb(100, 100, 100), MakeRgb(30, 30, 30), MakeRgb(100, 100, 100),
     MakeRgb(190, 190, 190)},
    {3, 1, 2, MakeRgb(0, 0, 0), MakeRgb(80, 80, 80), kBack, MakeRgb(0, 0, 0)},
    {4, 1, 2, MakeRgb(100, 100, 100), MakeRgb(190, 190, 190), MakeRgb(80, 80, 80),
     MakeRgb(100, 100, 100)},
    {5, 1, 0, MakeRgb(30, 30, 30), MakeRgb(100, 100, 100), kBack, MakeRgb(30, 30, 30)},
    {5, 1, 2, MakeRgb(10, 10, 10), MakeRgb(80, 80, 80), kBack, MakeRgb(10, 10, 10)},
    {7, 0, 0, kBack, kBack, kBack, kBack},  // no face or bevel, only the glyph
};

TEST_F(SpinRendererTest, ClassicFacesByStyleOptionAndState) {
  P().appearance = appearance::Standard3DAppearance;
  P().edit3DColor = MakeRgb(100, 100, 100);
  Size(20, 12);
  for (const FaceCase& c : kFaces) {
    P().border3DStyle = c.style;
    P().edit3DOption = c.option;
    const Bitmap& image = Paint(SpinSide::Up, c.state);
    const std::string what = "style " + std::to_string(c.style) + " option " +
                             std::to_string(c.option) + " state " + std::to_string(c.state);
    EXPECT_EQ(Hex(image.At(0, 0)), Hex(c.corner)) << what;
    EXPECT_EQ(Hex(image.At(1, 1)), Hex(c.inner)) << what;
    EXPECT_EQ(Hex(image.At(3, 3)), Hex(c.centre)) << what;
    EXPECT_EQ(Hex(image.At(19, 11)), Hex(c.bottomRight)) << what;
  }
}

TEST_F(SpinRendererTest, InactiveButtonsDrawTheArrowInGreyText) {
  P().appearance = appearance::Standard3DAppearance;
  P().border3DStyle = border3d::FlatStandardBorderStyle;
  P().buttonSpin = kTrue;
  P().buttonSpinEdit = button_spin_edit::EnabledEdit;
  EXPECT_EQ(Paint(SpinSide::Up, 0, true).At(8, 3), kGreyText);  // locked, text editable
  P().buttonSpinEdit = button_spin_edit::DisabledEdit;
  EXPECT_EQ(Paint(SpinSide::Up, 0, true).At(8, 3), kArrow);  // spin-only mode stays active
  P().enabled = kFalse;
  EXPECT_EQ(Paint(SpinSide::Up, 0, false).At(8, 3), kGreyText);
  P().enabled = kTrue;
  P().buttonSpinArrowColor = 0x000000FF;
  EXPECT_EQ(Paint(SpinSide::Up, 0, false).At(8, 3), MakeRgb(255, 0, 0));
}

TEST_F(SpinRendererTest, ActiveFlagTable) {
  PropertyMembers p = DefaultProperties();
  EXPECT_TRUE(SpinButtonsActive(p, false));
  EXPECT_FALSE(SpinButtonsActive(p, true));
  p.buttonSpin = kTrue;
  EXPECT_TRUE(SpinButtonsActive(p, true));
  p.buttonSpinEdit = button_spin_edit::EnabledEdit;
  EXPECT_FALSE(SpinButtonsActive(p, true));
  p.enabled = kFalse;
  EXPECT_FALSE(SpinButtonsActive(p, false));
}

std::vector<headless::DrawCall> Blits(const std::vector<headless::DrawCall>& calls) {
  std::vector<headless::DrawCall> blits;
  for (const auto& c : calls) {
    if (c.name != "Line" && c.name != "SetPixelV") blits.push_back(c);
  }
  return blits;
}

TEST_F(SpinRendererTest, BitmapLookCopiesNineSlicesThenTheArrow) {
  P().xpGetTheme = xp_get_theme::ManualGetTheme;
  P().winTheme = win_theme::OliveTheme;
  Size(16, 8);
  for (const SpinSide side : {SpinSide::Up, SpinSide::Down}) {
    auto& raster = Surface(side).Raster();
    raster.calls.clear();
    raster.SetRecording(true);
    Paint(side, 1);
    raster.SetRecording(false);
    const int bottomX = side == SpinSide::Up ? 1 : 0;
    const int bottomW = side == SpinSide::Up ? 14 : 15;
    const int bottomSourceW = side == SpinSide::Up ? 14 : 13;
    const std::vector<headless::DrawCall> expected{
        {"StretchBlt", {0, 1, 15, 7, 2, 4, 13, 14}, 0},
        {"StretchBlt", {0, 0, 15, 2, 1, 0, 14, 2}, 0},
        {"StretchBlt", {bottomX, 6, bottomW, 3, 1, 17, bottomSourceW, 3}, 0},
        {"StretchBlt", {0, 1, 2, 7, 0, 3, 2, 14}, 0},
        {"StretchBlt", {14, 1, 2, 7, 15, 3, 2, 14}, 0},
        {"StretchBlt", {0, 0, 2, 2, 0, 0, 2, 2}, 0},
        {"StretchBlt", {14, 0, 2, 2, 15, 0, 2, 2}, 0},
        {"StretchBlt", {0, 7, 2, 2, 0, 18, 2, 2}, 0},
        {"StretchBlt", {14, 7, 2, 2, 15, 18, 2, 2}, 0},
        {"TransparentBlt", {4, 3, 7, 4, 0, 0, 7, 4}, MakeRgb(255, 0, 255)},
    };
    EXPECT_EQ(Blits(raster.calls), expected) << (side == SpinSide::Up ? "Up" : "Down");
  }
  EXPECT_EQ(headless::RasterDC::LiveMemoryContexts(), 0);
}

TEST_F(SpinRendererTest, BitmapLookPaintsTheSchemeAndTheWhiteArrow) {
  P().xpGetTheme = xp_get_theme::ManualGetTheme;
  P().winTheme = win_theme::OliveTheme;
  const Bitmap& image = Paint(SpinSide::Up, 0);
  // The arrow at ((17 − 7) \ 2, (10 − 4) \ 2 + 1) = (5, 4): its top pixel is (8, 4).
  EXPECT_EQ(image.At(8, 4), MakeRgb(255, 255, 255));
  EXPECT_EQ(Hex(image.At(0, 5)), "#FFFFFF");        // the ring of the left edge piece
  EXPECT_EQ(Hex(image.At(1, 5)), "#8E997D");        // the border shade
  EXPECT_NE(image.At(5, 4), MakeRgb(255, 0, 255));  // the key never shows
  P().winTheme = win_theme::BlueTheme;
  EXPECT_EQ(Hex(Paint(SpinSide::Up, 0).At(8, 4)), "#4D6185");
}

TEST_F(SpinRendererTest, BitmapLookWithAnUnknownSchemeOnlyClears) {
  P().xpGetTheme = xp_get_theme::ManualGetTheme;
  P().winTheme = 7;
  const Bitmap& image = Paint(SpinSide::Up, 0);
  for (const Rgb p : image.pixels) ASSERT_EQ(p, kBack);
  EXPECT_FALSE(ButtonBitmapName(SpinSide::Up, 7, 0));
  EXPECT_FALSE(ButtonBitmapName(SpinSide::Down, 0, 3));
  EXPECT_EQ(ButtonBitmapName(SpinSide::Down, 1, 2), L"down_Press_Silver");
  EXPECT_EQ(ArrowBitmapName(SpinSide::Up, 2), L"ArrowUPOlive");
  EXPECT_EQ(ArrowBitmapName(SpinSide::Down, 1), L"ArrowDown");
}

// What the visual-style engine itself draws for `part` in `state` over a 17 × 10 button.
Bitmap EngineDrawing(int part, int state) {
  Bitmap image = Blank(17, 10, kBack);
  headless::RasterDC dc(&image);
  headless::HeadlessTheme engine;
  const PixelRect all = XYWH(0, 0, 17, 10);
  engine.Open(0, L"SPIN")->DrawBackground(dc, part, state, all, all);
  return image;
}

TEST_F(SpinRendererTest, ThemedLookDrawsThePartAndStateOfTheEngine) {
  EXPECT_TRUE(Paint(SpinSide::Up, 0) == EngineDrawing(theme_part::SpinUp, theme_state::Normal));
  EXPECT_TRUE(Paint(SpinSide::Up, 1) == EngineDrawing(theme_part::SpinUp, theme_state::Hot));
  EXPECT_TRUE(Paint(SpinSide::Down, 2) ==
              EngineDrawing(theme_part::SpinDown, theme_state::Pressed));
  EXPECT_EQ(drawing.theme.opened, 3);
  EXPECT_EQ(drawing.theme.closed, 3);
}

TEST_F(SpinRendererTest, InactiveButtonsUseTheThemedDisabledStateEvenWithTheManualTheme) {
  const Bitmap disabled = EngineDrawing(theme_part::SpinUp, theme_state::Disabled);
  P().enabled = kFalse;
  P().xpGetTheme = xp_get_theme::ManualGetTheme;
  EXPECT_TRUE(Paint(SpinSide::Up, 0) == disabled);
  P().xpGetTheme = 9;
  EXPECT_TRUE(Paint(SpinSide::Up, 0) == disabled);
  P().enabled = kTrue;
  EXPECT_EQ(Paint(SpinSide::Up, 0).At(0, 0), kBack);  // another XPGetTheme draws nothing
}

TEST_F(SpinRendererTest, WithoutAVisualStyleTheClassicButtonStandsIn) {
  drawing.theme.visualStyle = false;
  const Bitmap& image = Paint(SpinSide::Up, 0);
  EXPECT_EQ(Hex(image.At(1, 1)), "#FFFFFF");  // raised: highlight at the top left
  EXPECT_EQ(Hex(image.At(8, 3)), "#000000");  // the arrow in button text
  P().enabled = kFalse;
  EXPECT_EQ(Hex(Paint(SpinSide::Up, 0).At(8, 3)), "#808080");
}

TEST_F(SpinRendererTest, AnotherAppearanceOnlyClearsAndPresents) {
  P().appearance = 3;
  const int presented = up.refreshCount;
  const Bitmap& image = Paint(SpinSide::Up, 0);
  for (const Rgb p : image.pixels) ASSERT_EQ(p, kBack);
  EXPECT_EQ(up.refreshCount, presented + 1);
}

}  // namespace
}  // namespace kovra::test
