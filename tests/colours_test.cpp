// Colour operations: shifting clamps each channel, translation follows OleTranslateColor, the
// system colour table reads the four button colours, and pixel rounding ties to even.
#include "frame/colours.h"

#include <gtest/gtest.h>

#include <utility>

#include "frame/pixel_math.h"
#include "platform/headless/headless_drawing.h"
#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

struct ShiftCase {
  Rgb colour;
  int delta;
  Rgb expected;
};

const ShiftCase kShifts[] = {
    {MakeRgb(200, 100, 50), 90, MakeRgb(255, 190, 140)},
    {MakeRgb(10, 100, 50), -60, MakeRgb(0, 40, 0)},
    {MakeRgb(0, 0, 0), 90, MakeRgb(90, 90, 90)},
    {MakeRgb(0, 0, 0), -50, MakeRgb(0, 0, 0)},
    {MakeRgb(255, 255, 255), 1, MakeRgb(255, 255, 255)},
    {MakeRgb(255, 255, 255), -255, MakeRgb(0, 0, 0)},
    {MakeRgb(1, 2, 3), 0, MakeRgb(1, 2, 3)},
    {MakeRgb(128, 128, 128), -60, MakeRgb(68, 68, 68)},
    {MakeRgb(212, 208, 200), -20, MakeRgb(192, 188, 180)},
    {MakeRgb(250, 5, 128), 10, MakeRgb(255, 15, 138)},
    {MakeRgb(250, 5, 128), -10, MakeRgb(240, 0, 118)},
};

TEST(ShiftColorTest, AddsToEachChannelAndClamps) {
  for (const ShiftCase& c : kShifts) {
    EXPECT_EQ(Hex(ShiftColor(c.colour, c.delta)), Hex(c.expected))
        << Hex(c.colour) << " by " << c.delta;
  }
}

// System colour references are read from the drawing services' own table, here set to colours
// no desktop has.
TEST(TranslateColorTest, FollowsOleTranslateColorAndFailsToBlack) {
  headless::HeadlessDrawing drawing;
  drawing.systemColours[0] = MakeRgb(1, 2, 3);
  drawing.systemColours[5] = MakeRgb(4, 5, 6);
  drawing.systemColours[30] = MakeRgb(7, 8, 9);
  const std::pair<OleColor, Rgb> kCases[] = {
      {0x00C00000, MakeRgb(0, 0, 192)},  // plain RGB
      {0x80000000, MakeRgb(1, 2, 3)},    // the first system colour
      {0x80000005, MakeRgb(4, 5, 6)},    // window background
      {0x8000001E, MakeRgb(7, 8, 9)},    // the last system colour
      {0x02123456, 0x123456},            // palette-relative RGB without a palette
      {0x8000001F, 0},                   // no such system colour: black
      {0x80000040, 0},
      {0x01000003, 0},  // a palette index needs a palette: black
      {0x45000000, 0},  // not a colour: black
  };
  for (const auto& [colour, expected] : kCases) {
    EXPECT_EQ(Hex(TranslateColor(drawing, colour)), Hex(expected)) << std::hex << colour;
  }
}

TEST(LoadSystemColorsTest, ReadsFaceShadowHighlightAndButtonText) {
  headless::HeadlessDrawing drawing;
  drawing.systemColours[15] = MakeRgb(1, 1, 1);
  drawing.systemColours[16] = MakeRgb(2, 2, 2);
  drawing.systemColours[20] = MakeRgb(3, 3, 3);
  drawing.systemColours[18] = MakeRgb(4, 4, 4);
  EXPECT_EQ(LoadSystemColors(drawing), (SystemColourTable{MakeRgb(1, 1, 1), MakeRgb(2, 2, 2),
                                                          MakeRgb(3, 3, 3), MakeRgb(4, 4, 4)}));
}

struct RoundCase {
  double value;
  int expected;
};

TEST(PixelMathTest, RoundsToNearestWithTiesToEven) {
  const RoundCase cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {-0.5, 0}, {-1.5, -2},
                             {20.4, 20}, {20.6, 21}, {-2.6, -3}, {7.0, 7},  {1e12, 2147483647}};
  for (const RoundCase& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.expected) << c.value;
  EXPECT_EQ(FromEnd(40.0f, 1), 39);
  EXPECT_EQ(FromEnd(20.5f, 2), 18);  // 18.5, tie to even
  EXPECT_FALSE(Int16(32768).has_value());
  EXPECT_EQ(Int16(-32768), std::int16_t{-32768});
}

}  // namespace
}  // namespace kovra::test
