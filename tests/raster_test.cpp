// The headless device context keeps the pixel rules of GDI that the painters rely on.
#include "platform/headless/raster.h"

#include <gtest/gtest.h>

#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

constexpr Rgb kWhite = MakeRgb(255, 255, 255);
constexpr Rgb kRed = MakeRgb(255, 0, 0);
constexpr Rgb kBlue = MakeRgb(0, 0, 255);

struct LineCase {
  int x1, y1, x2, y2;
  const char* picture;  // 5 × 3, '#' painted
};

// A line paints its start point and never its end point, in either direction.
const LineCase kLines[] = {
    {0, 1, 4, 1, ".....\n####.\n.....\n"},  {4, 1, 0, 1, ".....\n.####\n.....\n"},
    {2, 0, 2, 3, "..#..\n..#..\n..#..\n"},  {2, 2, 2, -1, "..#..\n..#..\n..#..\n"},
    {1, 1, 1, 1, ".....\n.....\n.....\n"},  {0, 0, 3, 3, "#....\n.#...\n..#..\n"},
    {-3, 0, 2, 0, "##...\n.....\n.....\n"},
};

TEST(RasterTest, LinesNeverPaintTheirEndPoint) {
  for (const LineCase& c : kLines) {
    Bitmap image = Blank(5, 3, kWhite);
    headless::RasterDC dc(&image);
    dc.Line(c.x1, c.y1, c.x2, c.y2, kRed);
    EXPECT_EQ(Mask(image, kRed), c.picture)
        << "(" << c.x1 << "," << c.y1 << ")-(" << c.x2 << "," << c.y2 << ")";
  }
}

TEST(RasterTest, InsideFrameRectangleKeepsItsBandInsideAndTheInteriorAlone) {
  Bitmap image = Blank(7, 6, kBlue);
  headless::RasterDC dc(&image);
  dc.FrameRectangle({0, 0, 7, 6}, 2, kRed);
  EXPECT_EQ(Mask(image, kRed),
            "#######\n"
            "#######\n"
            "##...##\n"
            "##...##\n"
            "#######\n"
            "#######\n");
  EXPECT_EQ(Mask(image, kBlue, 'o'),
            ".......\n"
            ".......\n"
            "..ooo..\n"
            "..ooo..\n"
            ".......\n"
            ".......\n");
}

// Pens of three pixels and more join round, as GDI's do: each corner loses what lies outside
// the disc inscribed in its w × w box.
TEST(RasterTest, WideInsideFramePensJoinRound) {
  Bitmap image = Blank(12, 9, kWhite);
  headless::RasterDC dc(&image);
  dc.FrameRectangle({0, 0, 12, 9}, 3, kRed);
  EXPECT_EQ(Mask(image, kRed),
            ".##########.\n"
            "############\n"
            "############\n"
            "###......###\n"
            "###......###\n"
            "###......###\n"
            "############\n"
            "############\n"
            ".##########.\n");
  // Pixels left out in all four corners, by pen width.
  const std::pair<int, int> lost[] = {{1, 0}, {2, 0}, {4, 4}, {5, 4}, {6, 12}, {8, 12}, {9, 20}};
  for (const auto& [width, missing] : lost) {
    Bitmap big = Blank(40, 30, kWhite);
    headless::RasterDC bigDc(&big);
    bigDc.FrameRectangle({0, 0, 40, 30}, width, kRed);
    int band = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        const bool inBand = x < width || x >= 40 - width || y < width || y >= 30 - width;
        band += inBand && big.At(x, y) != kRed ? 1 : 0;
      }
    }
    EXPECT_EQ(band, missing) << "width " << width;
  }
}

TEST(RasterTest, OnePixelRectangleOutlinesUpToRightAndBottomExclusive) {
  Bitmap image = Blank(6, 5, kWhite);
  headless::RasterDC dc(&image);
  dc.FrameRectangle({1, 1, 5, 4}, 1, kRed);
  EXPECT_EQ(Mask(image, kRed),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n");
}

TEST(RasterTest, PixelsOutsideThePictureAreInvalidAndUnpainted) {
  Bitmap image = Blank(2, 2, kWhite);
  headless::RasterDC dc(&image);
  dc.SetPixelV(1, 1, kRed);
  dc.SetPixelV(2, 0, kRed);
  dc.SetPixelV(-1, 0, kRed);
  EXPECT_EQ(dc.GetPixel(1, 1), kRed);
  EXPECT_EQ(dc.GetPixel(2, 0), kInvalidColour);
  EXPECT_EQ(dc.GetPixel(0, -1), kInvalidColour);
  EXPECT_EQ(Mask(image, kRed), "..\n.#\n");
}

Bitmap Stripes() {
  // 2 × 2: red, blue / blue, white.
  return Bitmap{2, 2, {kRed, kBlue, kBlue, kWhite}};
}

TEST(RasterTest, StretchBltSamplesTheNearestSourcePixel) {
  Bitmap image = Blank(5, 4, 0);
  headless::RasterDC dc(&image);
  const auto memory = dc.CreateCompatibleContext(Stripes());
  EXPECT_TRUE(dc.StretchBlt(XYWH(0, 0, 4, 4), *memory, XYWH(0, 0, 2, 2)));
  EXPECT_EQ(Mask(image, kRed), "##...\n##...\n.....\n.....\n");
  EXPECT_EQ(Mask(image, kWhite), ".....\n.....\n..##.\n..##.\n");
  EXPECT_EQ(image.At(4, 0), 0u);  // outside the destination: untouched
}

TEST(RasterTest, StretchBltShrinksAndLaterCopiesOverwrite) {
  Bitmap image = Blank(3, 1, 0);
  headless::RasterDC dc(&image);
  const auto memory = dc.CreateCompatibleContext(Stripes());
  dc.StretchBlt(XYWH(0, 0, 1, 1), *memory, XYWH(0, 0, 2, 2));  // the sample falls on (1, 1)
  EXPECT_EQ(image.At(0, 0), kWhite);
  dc.StretchBlt(XYWH(0, 0, 2, 1), *memory, XYWH(0, 0, 2, 1));
  EXPECT_EQ(image.At(0, 0), kRed);
  EXPECT_EQ(image.At(1, 0), kBlue);
  EXPECT_FALSE(dc.StretchBlt(XYWH(0, 0, 0, 1), *memory, XYWH(0, 0, 2, 1)));
}

TEST(RasterTest, TransparentBltSkipsTheKeyColour) {
  Bitmap image = Blank(2, 2, kWhite);
  headless::RasterDC dc(&image);
  const auto memory = dc.CreateCompatibleContext(Bitmap{2, 2, {kBlue, kRed, kRed, kBlue}});
  dc.TransparentBlt(XYWH(0, 0, 2, 2), *memory, XYWH(0, 0, 2, 2), kRed);
  EXPECT_EQ(Mask(image, kBlue), "#.\n.#\n");
  EXPECT_EQ(Mask(image, kWhite), ".#\n#.\n");
}

TEST(RasterTest, MemoryContextsLiveOnlyAsLongAsTheirOwner) {
  Bitmap image = Blank(1, 1, kWhite);
  headless::RasterDC dc(&image);
  const int before = headless::RasterDC::LiveMemoryContexts();
  {
    const auto a = dc.CreateCompatibleContext(Stripes());
    const auto b = dc.CreateCompatibleContext(Stripes());
    EXPECT_EQ(headless::RasterDC::LiveMemoryContexts(), before + 2);
  }
  EXPECT_EQ(headless::RasterDC::LiveMemoryContexts(), before);
}

}  // namespace
}  // namespace kovra::test
