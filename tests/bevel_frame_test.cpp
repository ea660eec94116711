// The classic frame: every style's lines, in order, with the role colours of both options.
#include "frame/bevel_frame.h"

#include <gtest/gtest.h>

#include "platform/headless/raster.h"
#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

constexpr Rgb kBack = MakeRgb(1, 2, 3);
const SystemColourTable kClassic{MakeRgb(212, 208, 200), MakeRgb(128, 128, 128),
                                 MakeRgb(255, 255, 255), MakeRgb(0, 0, 0)};

Bitmap Frame(int w, int h, std::int16_t style, const BevelColours& colours) {
  Bitmap image = Blank(w, h, kBack);
  headless::RasterDC dc(&image);
  Draw3DFrame(dc, static_cast<float>(w), static_cast<float>(h), style, colours);
  return image;
}

// A run of pixels that must all have one colour.
struct Run {
  int x1, y1, x2, y2;  // inclusive
  Rgb colour;
};

void ExpectRuns(const Bitmap& image, std::initializer_list<Run> runs) {
  for (const Run& r : runs) {
    for (int y = r.y1; y <= r.y2; ++y) {
      for (int x = r.x1; x <= r.x2; ++x) {
        EXPECT_EQ(Hex(image.At(x, y)), Hex(r.colour)) << "at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(Draw3DFrameTest, LoweredOnFortyByTwentyWithSystemColours) {
  const BevelColours c = ChooseBevelColours(0, kClassic, 0);
  const Rgb dark = MakeRgb(68, 68, 68);
  EXPECT_EQ(c, (BevelColours{kClassic.shadow, kClassic.highlight, dark, kClassic.face}));
  const Bitmap image = Frame(40, 20, 1, c);
  ExpectRuns(image, {
                        {0, 0, 38, 0, kClassic.shadow},       // row 0, columns 0..38
                        {0, 0, 0, 18, kClassic.shadow},       // column 0, rows 0..18
                        {0, 19, 38, 19, kClassic.highlight},  // row 19, columns 0..38
                        {39, 0, 39, 19, kClassic.highlight},  // column 39, rows 0..19
                        {1, 1, 37, 1, dark},                  // row 1, columns 1..37
                        {1, 1, 1, 17, dark},                  // column 1, rows 1..17
                        {1, 18, 38, 18, kClassic.face},       // row 18, columns 1..38
                        {38, 1, 38, 18, kClassic.face},       // column 38, rows 1..18
                        {2, 2, 37, 17, kBack},                // the inside is untouched
                    });
}

TEST(Draw3DFrameTest, BlackEdit3DColourClampsEveryRoleButHighlight) {
  const BevelColours c = ChooseBevelColours(1, kClassic, MakeRgb(0, 0, 0));
  EXPECT_EQ(c, (BevelColours{0, MakeRgb(90, 90, 90), 0, 0}));
  const BevelColours grey = ChooseBevelColours(1, kClassic, MakeRgb(100, 150, 200));
  EXPECT_EQ(grey, (BevelColours{MakeRgb(50, 100, 150), MakeRgb(190, 240, 255), MakeRgb(10, 60, 110),
                                MakeRgb(90, 140, 190)}));
}

// Each style as a picture of roles on an 8 × 6 surface: S shadow, H highlight, D dark, F face,
// '.' untouched.
struct StylePicture {
  std::int16_t style;
  const char* picture;
};

const StylePicture kStyles[] = {
    {0,
     "........\n"
     "........\n"
     "........\n"
     "........\n"
     "........\n"
     "........\n"},
    {1,
     "SSSSSSSH\n"
     "SDDDDDFH\n"
     "SD....FH\n"
     "SD....FH\n"
     "SFFFFFFH\n"
     "HHHHHHHH\n"},
    {2,
     "HHHHHHHD\n"
     "HFFFFFSD\n"
     "HF....SD\n"
     "HF....SD\n"
     "HSSSSSSD\n"
     "DDDDDDDD\n"},
    {3,
     "DDDDDDDD\n"
     "D......D\n"
     "D......D\n"
     "D......D\n"
     "D......D\n"
     "DDDDDDDD\n"},
    {4,
     "HHHHHHHH\n"
     "HFFFFFFH\n"
     "HF....FH\n"
     "HF....FH\n"
     "HFFFFFFH\n"
     "HHHHHHHH\n"},
    {5,
     "SSSSSSSS\n"
     "SFFFFFFS\n"
     "SF....FS\n"
     "SF....FS\n"
     "SFFFFFFS\n"
     "SSSSSSSS\n"},
    {6,
     "HHHHHHHS\n"
     "HFFFFFFS\n"
     "HFSSSFFS\n"
     "HFFFFFFS\n"
     "HFFFFFFS\n"
     "SSSSSSSS\n"},
    {7,
     "........\n"
     "........\n"
     "........\n"
     "........\n"
     "........\n"
     "........\n"},
    {-1,
     "........\n"
     "........\n"
     "........\n"
     "........\n"
     "........\n"
     "........\n"},
};

TEST(Draw3DFrameTest, EveryStyleDrawsItsLinesInOrder) {
  const BevelColours roles{MakeRgb(10, 0, 0), MakeRgb(20, 0, 0), MakeRgb(30, 0, 0),
                           MakeRgb(40, 0, 0)};
  for (const StylePicture& s : kStyles) {
    const Bitmap image = Frame(8, 6, s.style, roles);
    std::string picture;
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const Rgb p = image.At(x, y);
        picture += p == roles.s   ? 'S'
                   : p == roles.h ? 'H'
                   : p == roles.d ? 'D'
                   : p == roles.f ? 'F'
                                  : '.';
      }
      picture += '\n';
    }
    EXPECT_EQ(picture, s.picture) << "Border3DStyle " << s.style;
  }
}

}  // namespace
}  // namespace kovra::test
