// ArrangeChildren and the height rules on the headless children: every look keeps the children
// inside its frame band, the spin-button column, and the steps that are skipped when a child
// refuses a value or the 16-bit arithmetic overflows.
#include "frame/layout.h"

#include <gtest/gtest.h>

#include "core/enumerations.h"
#include "platform/headless/headless_drawing.h"
#include "platform/headless/headless_surfaces.h"
#include "platform/headless/headless_text_box.h"
#include "platform/headless/recording_services.h"

namespace kovra::test {
namespace {

class LayoutTest : public ::testing::Test {
 protected:
  // The scroll-arrow width the tests lay out with (SM_CXHSCROLL), whatever the headless default.
  static constexpr int UW = 16;

  LayoutTest() {
    drawing.scrollArrowWidth = UW;
    surface.SetScaleMode(ScaleUnit::Pixels);
    state.properties = DefaultProperties();
    state.themeLibraryAvailable = true;
  }

  LayoutParts Parts() { return {surface, text1, up, down, drawing}; }
  void Size(int width, int height) { surface.SetExtent(width, height); }
  void Arrange() { ArrangeChildren(state, Parts()); }
  PropertyMembers& P() { return state.properties; }

  headless::MemoryClipboard clipboard;
  headless::HeadlessSurface surface{1};
  headless::HeadlessTextBox text1{clipboard, 2};
  headless::HeadlessPictureSurface up{3};
  headless::HeadlessPictureSurface down{4};
  headless::HeadlessDrawing drawing;
  ControlState state;
};

// Every look with the band its frame takes: the engine's edit box one pixel, the flat frame W,
// the bevels two, GBRaised three.
struct Look {
  const char* name;
  std::int16_t appearance, xpGetTheme, border3DStyle, w;
  int band;
};

const Look kLooks[] = {
    {"engine", 0, 0, 1, 1, 1},   {"flat W 1", 0, 1, 1, 1, 1}, {"flat W 3", 0, 1, 1, 3, 3},
    {"bevel 0", 1, 0, 0, 1, 2},  {"bevel 1", 1, 0, 1, 1, 2},  {"bevel 2", 1, 0, 2, 1, 2},
    {"bevel 3", 1, 0, 3, 1, 2},  {"bevel 4", 1, 0, 4, 1, 2},  {"bevel 5", 1, 0, 5, 1, 2},
    {"GBRaised", 1, 0, 6, 1, 3},
};

void Apply(PropertyMembers& p, const Look& look) {
  p.appearance = look.appearance;
  p.xpGetTheme = look.xpGetTheme;
  p.border3DStyle = look.border3DStyle;
  p.winBorderWidth = look.w;
}

TEST_F(LayoutTest, EveryLookKeepsTheChildrenInsideItsFrameBand) {
  Size(120, 21);
  for (const Look& look : kLooks) {
    for (const bool spin : {false, true}) {
      for (std::int16_t align = 0; align <= 2; ++align) {
        SCOPED_TRACE(testing::Message()
                     << look.name << (spin ? " with" : " without") << " spin, alignment " << align);
        Apply(P(), look);
        P().buttonSpin = ToBoolean16(spin);
        text1.SetAlignment(align);
        Arrange();
        const float textEnd = text1.Left() + text1.Width();
        EXPECT_GE(text1.Left(), look.band);
        EXPECT_LE(textEnd, 120 - look.band);
        // Left and right alignment end the text at the button column; the centred rows may
        // reach under the buttons, which lie in front.
        if (spin && align != alignment::CenterAlignment) {
          EXPECT_LE(textEnd, up.Left());
        }
        // The buttons: flush with the frame at the right, Up above Down, both inside the band.
        EXPECT_EQ(up.Left() + up.Width(), 120 - look.band);
        EXPECT_EQ(up.Top(), look.band);
        EXPECT_LE(up.Top() + up.Height(), down.Top());
        EXPECT_LE(down.Top() + down.Height(), 21 - look.band);
        EXPECT_EQ(down.Left(), up.Left());
        EXPECT_EQ(down.Height(), up.Height());
      }
    }
  }
}

TEST_F(LayoutTest, WithW1TheManualThemeDiffersOnlyInTheCentredSpinColumnAndDownTop) {
  Size(120, 21);
  for (const bool spin : {false, true}) {
    for (std::int16_t align = 0; align <= 2; ++align) {
      SCOPED_TRACE(testing::Message()
                   << (spin ? "with" : "without") << " spin, alignment " << align);
      P().buttonSpin = ToBoolean16(spin);
      text1.SetAlignment(align);
      P().xpGetTheme = xp_get_theme::AutomaticGetTheme;
      Arrange();
      const float width = text1.Width(), left = text1.Left(), downTop = down.Top();
      const float upLeft = up.Left(), upHeight = up.Height();
      P().xpGetTheme = xp_get_theme::ManualGetTheme;
      Arrange();
      const bool centredSpin = spin && align == alignment::CenterAlignment;
      EXPECT_EQ(text1.Width(), centredSpin ? width + UW : width);
      EXPECT_EQ(text1.Left(), left);
      EXPECT_EQ(up.Left(), upLeft);
      EXPECT_EQ(up.Height(), upHeight);
      EXPECT_EQ(down.Top(), downTop - 1);  // the theme library is present
    }
  }
}

TEST_F(LayoutTest, BevelStylesOnSH21SpanTheExpectedRows) {
  Size(120, 21);
  P().appearance = appearance::Standard3DAppearance;
  P().border3DStyle = border3d::RaisedBorderStyle;
  state.themeLibraryAvailable = false;
  Arrange();
  EXPECT_EQ(HalfHeight(21), 10);
  EXPECT_EQ(up.Top(), 2);  // rows 2..9
  EXPECT_EQ(up.Height(), 8);
  EXPECT_EQ(down.Top(), 10);  // rows 10..17
  EXPECT_EQ(down.Height(), 8);
  state.themeLibraryAvailable = true;
  Arrange();
  EXPECT_EQ(down.Top(), 11);  // rows 11..18 with the theme library and the automatic theme
}

TEST_F(LayoutTest, ANarrowControlKeepsTheOldTextWidth) {
  Size(120, 21);
  P().appearance = appearance::Standard3DAppearance;
  P().buttonSpin = kTrue;
  Arrange();
  EXPECT_EQ(text1.Width(), 120 - 6 - UW);
  Size(10, 21);
  Arrange();
  EXPECT_EQ(text1.Width(), 120 - 6 - UW);  // 10 − 6 − UW is refused
  EXPECT_EQ(text1.Left(), 4);
  EXPECT_EQ(up.Left(), 10 - 2 - UW);  // placed from the right edge, left of the surface
  EXPECT_EQ(down.Left(), 10 - 2 - UW);
}

TEST_F(LayoutTest, ALowControlKeepsTheOldButtonHeight) {
  Size(120, 21);
  P().appearance = appearance::Standard3DAppearance;
  P().border3DStyle = border3d::GBRaisedBorderStyle;
  Arrange();
  EXPECT_EQ(up.Height(), 7);
  Size(120, 4);  // half height 2, less 3: refused
  Arrange();
  EXPECT_EQ(up.Height(), 7);
  EXPECT_EQ(down.Height(), 7);
  EXPECT_EQ(down.Top(), 3);  // the later steps still run
}

TEST_F(LayoutTest, AnOverflowingBorderWidthSkipsOnlyItsSteps) {
  Size(120, 21);
  P().xpGetTheme = xp_get_theme::ManualGetTheme;
  Arrange();
  const float width = text1.Width();
  const float left = text1.Left();
  P().winBorderWidth = 32767;  // W + 1 and W + 2 overflow 16 bits
  Arrange();
  EXPECT_EQ(text1.Width(), width);
  EXPECT_EQ(text1.Left(), left);
  EXPECT_EQ(up.Top(), 32767);  // Up.Top = W needs no arithmetic
  EXPECT_EQ(up.Left(), 120 - 32767 - UW);
  text1.SetAlignment(alignment::CenterAlignment);
  P().winBorderWidth = 16384;  // 2 × W overflows
  Arrange();
  EXPECT_EQ(text1.Width(), width);
  EXPECT_EQ(text1.Left(), 16384);
}

TEST_F(LayoutTest, ButtonSpinChangesOnlyTheTextWidth) {
  Size(120, 21);
  Arrange();
  const float upLeft = up.Left();
  const float withoutSpin = text1.Width();
  P().buttonSpin = kTrue;
  Arrange();
  EXPECT_EQ(up.Left(), upLeft);
  EXPECT_EQ(text1.Width(), withoutSpin - UW + 2);  // SW − 4 − UW against SW − 6
  P().xpGetTheme = xp_get_theme::ManualGetTheme;
  text1.SetAlignment(alignment::CenterAlignment);
  Arrange();
  const float centred = text1.Width();
  P().buttonSpin = kFalse;
  Arrange();
  EXPECT_EQ(text1.Width(), centred);
}

TEST_F(LayoutTest, AnUnknownLookLeavesTheTextColumnAlone) {
  Size(120, 21);
  text1.SetWidth(33);
  text1.SetLeft(7);
  P().appearance = 5;
  Arrange();
  EXPECT_EQ(text1.Width(), 33);
  EXPECT_EQ(text1.Left(), 7);
  EXPECT_EQ(up.Width(), UW);  // the button width is set whatever the look
  P().appearance = 0;
  text1.SetAlignment(3);
  Arrange();
  EXPECT_EQ(text1.Width(), 33);
}

TEST_F(LayoutTest, TextHeightTopAndZOrder) {
  Size(120, 21);
  text1.SetTop(0);
  Arrange();
  EXPECT_EQ(text1.Height(), 13);  // 8.25 points at 96 pixels per inch, with leading
  EXPECT_EQ(text1.Top(), 1);
  EXPECT_EQ(state.spinButtonWidth, UW);
  EXPECT_GT(up.ZOrderRank(), text1.ZOrderRank());
  EXPECT_GT(down.ZOrderRank(), up.ZOrderRank());
  drawing.scrollArrowWidth = 17;
  Arrange();
  EXPECT_EQ(up.Width(), 17);
  EXPECT_EQ(down.Width(), 17);
}

TEST_F(LayoutTest, NewInstanceHeightRaisesOnceAndClearsTheFlag) {
  Size(120, 15);  // 225 twips
  int resizes = 0;
  surface.SetResizeHandler([&] { ++resizes; });
  state.newInstance = 1;
  ApplyNewInstanceHeight(state, surface);
  EXPECT_EQ(surface.HeightTwips(), 285);
  EXPECT_EQ(surface.ScaleHeight(), 19);
  EXPECT_EQ(resizes, 1);
  EXPECT_EQ(state.newInstance, 0);
  Size(120, 15);
  resizes = 0;
  ApplyNewInstanceHeight(state, surface);
  EXPECT_EQ(surface.ScaleHeight(), 15);  // later, smaller heights are accepted
  EXPECT_EQ(resizes, 0);
  state.newInstance = 1;
  Size(120, 30);
  ApplyNewInstanceHeight(state, surface);
  EXPECT_EQ(surface.ScaleHeight(), 30);
  EXPECT_EQ(state.newInstance, 0);
}

struct MinimumCase {
  std::int16_t appearance, border3DStyle, w;
  int startHeight, expectedHeight;  // pixels; Text1 13 high
};

const MinimumCase kMinimums[] = {
    {0, 1, 1, 10, 15}, {0, 1, 3, 10, 19}, {0, 1, 3, 25, 25}, {1, 1, 1, 10, 17}, {1, 5, 1, 16, 17},
    {1, 6, 1, 10, 19}, {1, 6, 1, 19, 19}, {2, 1, 1, 10, 10}, {1, 9, 1, 10, 10},
};

TEST_F(LayoutTest, MinimumHeightOnlyEverGrows) {
  for (const MinimumCase& c : kMinimums) {
    Size(120, c.startHeight);
    text1.SetHeight(13);
    P().appearance = c.appearance;
    P().border3DStyle = c.border3DStyle;
    P().winBorderWidth = c.w;
    ApplyMinimumHeight(state, Parts());
    EXPECT_EQ(surface.ScaleHeight(), c.expectedHeight)
        << c.appearance << "/" << c.border3DStyle << " W " << c.w;
  }
}

TEST_F(LayoutTest, TextIsCentredWithTiesToEven) {
  text1.SetHeight(13);
  const std::pair<int, float> cases[] = {
      {21, 4}, {20, 3}, {19, 3}, {13, 0}, {10, -1}};  // −3 / 2 truncates toward zero
  for (const auto& [height, top] : cases) {
    Size(120, height);
    CentreText1(Parts());
    EXPECT_EQ(text1.Top(), top) << height;
  }
}

}  // namespace
}  // namespace kovra::test
