// The painters on real GDI against the headless raster: the classic frames and the classic spin
// buttons must give the same pixels for every style, colour option and state (any difference
// is a bug in one of the two), nothing drawn may leave a GDI object behind, and the themed
// paths run against Wine's own visual style.
#include <gtest/gtest.h>

#include <sstream>

#include "core/enumerations.h"
#include "frame/bevel_frame.h"
#include "frame/themed_frame.h"
#include "platform/headless/headless_drawing.h"
#include "platform/headless/headless_surfaces.h"
#include "platform/win32/test_support/drawing_probe.h"
#include "spin/spin_renderer.h"
#include "testing/control_probe.h"
#include "tests/support/control_fixture.h"
#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

constexpr Rgb kBack = MakeRgb(1, 2, 3);

// The same system colours and metrics on both sides: the headless ones take the real system's.
headless::HeadlessDrawing MirrorOf(DrawingServices& real) {
  headless::HeadlessDrawing mirror;
  mirror.scrollArrowWidth = real.SystemMetric(system_metric::CxHScroll);
  for (int i = 0; i < static_cast<int>(mirror.systemColours.size()); ++i) {
    mirror.systemColours[static_cast<std::size_t>(i)] = real.SystemColour(i);
  }
  mirror.theme.visualStyle = false;
  return mirror;
}

// Every pixel of a `width` × `height` picture read through `dc`.
Bitmap ReadBack(DeviceContext& dc, int width, int height) {
  Bitmap picture = Blank(width, height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.At(x, y) = dc.GetPixel(x, y);
  }
  return picture;
}

// The differing pixels, described (empty when the pictures agree).
std::string Diff(const Bitmap& real, const Bitmap& headless) {
  std::ostringstream out;
  int shown = 0;
  for (int y = 0; y < real.height; ++y) {
    for (int x = 0; x < real.width; ++x) {
      if (real.At(x, y) == headless.At(x, y)) continue;
      if (shown++ < 8) {
        out << " (" << x << "," << y << ") GDI " << Hex(real.At(x, y)) << " headless "
            << Hex(headless.At(x, y)) << ";";
      }
    }
  }
  if (shown > 8) out << " ... " << shown << " pixels in all";
  return out.str();
}

class Win32DrawingTest : public ControlTest {
 protected:
  // The painters alone: sizing the surface must not run the control's refresh (which would
  // raise a low surface to the text's height and repaint it).
  void SetUp() override {
    ControlTest::SetUp();
    Control().UserControl().SetResizeHandler(nullptr);
  }
  DrawingServices& Real() { return platform_->Get().GetDrawing(); }
};

struct Size {
  int width, height;
};
constexpr Size kFrameSizes[] = {{40, 20}, {120, 21}, {7, 5}, {3, 2}};

TEST_P(Win32DrawingTest, ClassicFramesMatchTheHeadlessRasterPixelForPixel) {
  DrawingServices& real = Real();
  const SystemColourTable system = LoadSystemColors(real);
  ControlSurface& surface = Control().UserControl();
  surface.SetScaleMode(ScaleUnit::Pixels);
  surface.SetBackColor(kBack);
  int compared = 0;
  for (const Size& size : kFrameSizes) {
    surface.SetExtent(size.width, size.height);
    for (std::int16_t option = 0; option <= 1; ++option) {
      for (std::int16_t style = -1; style <= 7; ++style) {
        const BevelColours colours =
            ChooseBevelColours(option, system, TranslateColor(real, 0x00C08060));
        surface.Cls();
        Draw3DFrame(surface.Dc(), surface.ScaleWidth(), surface.ScaleHeight(), style, colours);
        Bitmap expected = Blank(size.width, size.height, kBack);
        headless::RasterDC raster(&expected);
        Draw3DFrame(raster, static_cast<float>(size.width), static_cast<float>(size.height), style,
                    colours);
        const Bitmap actual = ReadBack(surface.Dc(), size.width, size.height);
        EXPECT_EQ(Diff(actual, expected), "") << "style " << style << " option " << option << " on "
                                              << size.width << " x " << size.height;
        ++compared;
      }
    }
  }
  EXPECT_EQ(compared, 4 * 2 * 9);
}

TEST_P(Win32DrawingTest, ManualAndHoverFramesMatchTheHeadlessRaster) {
  DrawingServices& real = Real();
  ControlSurface& surface = Control().UserControl();
  surface.SetScaleMode(ScaleUnit::Pixels);
  surface.SetBackColor(kBack);
  surface.SetExtent(40, 21);
  for (std::int16_t width = 1; width <= 9; ++width) {
    Properties().winBorderWidth = width;
    Properties().xpGetTheme = xp_get_theme::ManualGetTheme;
    surface.Cls();
    DrawHoverFrame(Properties(), {surface, Control().Text1(), real, platform_->Container()});
    Bitmap expected = Blank(40, 21, kBack);
    headless::RasterDC raster(&expected);
    raster.FrameRectangle({0, 0, 40, 21}, width, TranslateColor(real, 0x00FF0000));
    EXPECT_EQ(Diff(ReadBack(surface.Dc(), 40, 21), expected), "") << "width " << width;
  }
}

struct SpinCase {
  int width, height;
};
constexpr SpinCase kSpinSizes[] = {{16, 8}, {17, 10}, {16, 9}, {5, 4}};

TEST_P(Win32DrawingTest, ClassicSpinButtonsMatchTheHeadlessRasterPixelForPixel) {
  DrawingServices& real = Real();
  headless::HeadlessDrawing mirror = MirrorOf(real);
  ControlState& state = probe::State(Control());
  state.systemColours = LoadSystemColors(real);
  PropertyMembers& p = Properties();
  p.appearance = appearance::Standard3DAppearance;
  p.edit3DColor = 0x00C08060;
  PictureSurface& up = Control().Up();
  headless::HeadlessSurface headlessControl(1);
  headless::HeadlessPictureSurface reference(2);
  up.SetBackColor(kBack);
  reference.SetBackColor(kBack);
  int compared = 0;
  for (const SpinCase& size : kSpinSizes) {
    for (PictureSurface* s : {&up, static_cast<PictureSurface*>(&reference)}) {
      s->SetWidth(static_cast<float>(size.width));
      s->SetHeight(static_cast<float>(size.height));
    }
    for (std::int16_t option = 0; option <= 1; ++option) {
      for (std::int16_t style = 0; style <= 7; ++style) {
        for (int look = 0; look <= 3; ++look) {  // states 0, 1, 2, then inactive
          p.edit3DOption = option;
          p.border3DStyle = style;
          p.enabled = ToBoolean16(look != 3);
          const std::uint8_t visual = look == 3 ? 0 : static_cast<std::uint8_t>(look);
          for (const SpinSide side : {SpinSide::Up, SpinSide::Down}) {
            PaintSpinButton(side, visual, {up, Control().UserControl(), real, state, false});
            PaintSpinButton(side, visual, {reference, headlessControl, mirror, state, false});
            EXPECT_EQ(Diff(ReadBack(up.Dc(), size.width, size.height), reference.Image()), "")
                << (side == SpinSide::Up ? "Up" : "Down") << " style " << style << " option "
                << option << " look " << look << " on " << size.width << " x " << size.height;
            ++compared;
          }
        }
      }
    }
  }
  EXPECT_EQ(compared, 4 * 2 * 8 * 4 * 2);
}

TEST_P(Win32DrawingTest, BitmapButtonsLayTheArrowOnTheScheme) {
  DrawingServices& real = Real();
  Properties().xpGetTheme = xp_get_theme::ManualGetTheme;
  Properties().winTheme = win_theme::OliveTheme;
  PictureSurface& up = Control().Up();
  up.SetWidth(17);
  up.SetHeight(10);
  PaintSpinButton(SpinSide::Up, 0,
                  {up, Control().UserControl(), real, probe::State(Control()), false});
  // The arrow's top pixel: ((17 − 7) \ 2 + 3, (10 − 4) \ 2 + 1).
  EXPECT_EQ(Hex(up.Dc().GetPixel(8, 4)), "#FFFFFF");
  EXPECT_EQ(Hex(up.Dc().GetPixel(1, 5)), "#8E997D");  // the olive border shade
  EXPECT_NE(Hex(up.Dc().GetPixel(5, 4)), "#FF00FF");  // the key never shows
}

// Every look painted once: refresh, the three button states, the hover frame.
void PaintEveryLook(KovraDouble& control, DrawingServices& drawing, Container& container) {
  PropertyMembers& p = probe::State(control).properties;
  p.buttonSpin = kTrue;
  for (std::int16_t appearance = 0; appearance <= 1; ++appearance) {
    for (std::int16_t xp = 0; xp <= 1; ++xp) {
      p.appearance = appearance;
      p.xpGetTheme = xp;
      control.UserControl_Resize();
      for (std::uint8_t s = 0; s <= 2; ++s) {
        std::uint8_t visual = s;
        control.PaintUpButton(visual);
        control.PaintDownButton(visual);
      }
      DrawHoverFrame(p, {control.UserControl(), control.Text1(), drawing, container});
    }
  }
}

TEST_P(Win32DrawingTest, PaintingLeavesNoGdiObjectBehind) {
  Control().UserControl().SetExtent(120, 21);
  // The first round makes what lives as long as the control (kept images, Text1's brush) and
  // whatever the system caches; every later round must leave the counts as they were.
  PaintEveryLook(Control(), Real(), platform_->Container());
  const int ours = win32::LiveGdiObjectCount();
  const int process = win32::ProcessGdiObjects();
  for (int round = 0; round < 3; ++round) {
    PaintEveryLook(Control(), Real(), platform_->Container());
  }
  EXPECT_EQ(win32::LiveGdiObjectCount(), ours);
  EXPECT_EQ(win32::ProcessGdiObjects(), process);  // where the system counts (0 = 0 otherwise)
}

TEST_P(Win32DrawingTest, WithoutAVisualStyleTheThemedFrameFallsBackForGood) {
  win32::RemoveVisualStyle();
  Control().UserControl().SetExtent(60, 21);
  Properties().xpGetTheme = xp_get_theme::AutomaticGetTheme;
  DrawThemedFrame(Properties(),
                  {Control().UserControl(), Control().Text1(), Real(), platform_->Container()});
  EXPECT_EQ(Properties().xpGetTheme, xp_get_theme::ManualGetTheme);
  EXPECT_EQ(Control().UserControl().Dc().GetPixel(0, 0), MakeRgb(127, 157, 185));
}

TEST_P(Win32DrawingTest, WinesOwnVisualStyleDrawsTheEditAndSpinParts) {
  if (!win32::ApplyVisualStyle(win32::WineLightStylePath())) {
    GTEST_SKIP() << "no visual style to apply here";
  }
  Control().UserControl().SetScaleMode(ScaleUnit::Pixels);
  Control().UserControl().SetExtent(60, 21);
  Properties().xpGetTheme = xp_get_theme::AutomaticGetTheme;
  Control().Text1().SetBackColor(MakeRgb(1, 2, 3));
  DrawThemedFrame(Properties(),
                  {Control().UserControl(), Control().Text1(), Real(), platform_->Container()});
  EXPECT_EQ(Properties().xpGetTheme, xp_get_theme::AutomaticGetTheme);
  EXPECT_EQ(Control().Text1().BackColor(), Control().UserControl().Dc().GetPixel(2, 2));
  EXPECT_NE(Control().Text1().BackColor(), MakeRgb(1, 2, 3));

  PictureSurface& up = Control().Up();
  up.SetBackColor(kBack);
  up.SetWidth(17);
  up.SetHeight(10);
  PaintSpinButton(SpinSide::Up, 0,
                  {up, Control().UserControl(), Real(), probe::State(Control()), false});
  const Bitmap drawn = ReadBack(up.Dc(), 17, 10);
  int painted = 0;
  for (const Rgb pixel : drawn.pixels) painted += pixel != kBack ? 1 : 0;
  EXPECT_GT(painted, 17 * 10 / 2) << "the engine drew the button";
  win32::RemoveVisualStyle();
}

KOVRA_RUN_ON_TEST_LOCALES(Win32DrawingTest);

}  // namespace
}  // namespace kovra::test
