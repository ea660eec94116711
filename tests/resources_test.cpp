// The control's own bitmaps: the white ring and the telling colours at their pixels, the arrow
// glyph, lookup ignoring case, and the .bmp files made from them and from the toolbox picture.
#include <gtest/gtest.h>

#include "resources/bitmaps.h"
#include "resources/bmp_file.h"
#include "resources/button_colours.h"
#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

using namespace resources;

TEST(ResourcesTest, EveryButtonHasAWhiteRingAndItsTellingColours) {
  const Rgb white = MakeRgb(255, 255, 255);
  for (const ButtonColours& c : ButtonColourTable()) {
    for (const std::wstring prefix : {L"Up_", L"down_"}) {
      const std::wstring name = prefix + std::wstring(c.state) + L"_" + std::wstring(c.scheme);
      const Bitmap* b = FindBitmap(name);
      ASSERT_NE(b, nullptr);
      const std::string what(name.begin(), name.end());
      for (int x = 0; x < kButtonWidth; ++x) {
        EXPECT_EQ(b->At(x, 0), white) << what;
        EXPECT_EQ(b->At(x, kButtonHeight - 1), white) << what;
      }
      for (int y = 0; y < kButtonHeight; ++y) {
        EXPECT_EQ(b->At(0, y), white) << what;
        EXPECT_EQ(b->At(kButtonWidth - 1, y), white) << what;
      }
      EXPECT_EQ(Hex(b->At(1, 10)), Hex(c.border)) << what;
      EXPECT_EQ(Hex(b->At(15, 10)), Hex(c.border)) << what;
      EXPECT_EQ(Hex(b->At(8, 1)), Hex(c.border)) << what;
      EXPECT_EQ(Hex(b->At(8, 18)), Hex(c.border)) << what;
      EXPECT_EQ(Hex(b->At(2, 2)), Hex(c.top)) << what;
      EXPECT_EQ(Hex(b->At(8, 10)), Hex(c.middle)) << what;
      EXPECT_EQ(Hex(b->At(14, 17)), Hex(c.bottom)) << what;
    }
  }
}

TEST(ResourcesTest, DownButtonsHaveTheColoursOfTheUpButtons) {
  for (const ButtonColours& c : ButtonColourTable()) {
    const std::wstring tail = std::wstring(c.state) + L"_" + std::wstring(c.scheme);
    EXPECT_EQ(*FindBitmap(L"Up_" + tail), *FindBitmap(L"down_" + tail));
  }
}

TEST(ResourcesTest, ArrowGlyphsAreExactOnMagenta) {
  const char* up =
      "...#...\n"
      "..###..\n"
      ".#####.\n"
      "###.###\n";
  const char* down =
      "###.###\n"
      ".#####.\n"
      "..###..\n"
      "...#...\n";
  const Rgb blue = MakeRgb(0x4D, 0x61, 0x85);
  const Rgb white = MakeRgb(255, 255, 255);
  const Rgb magenta = MakeRgb(255, 0, 255);
  EXPECT_EQ(Mask(*FindBitmap(L"ArrowUP"), blue), up);
  EXPECT_EQ(Mask(*FindBitmap(L"ArrowDown"), blue), down);
  EXPECT_EQ(Mask(*FindBitmap(L"ArrowUPOlive"), white), up);
  EXPECT_EQ(Mask(*FindBitmap(L"ArrowDownOlive"), white), down);
  for (const wchar_t* name : {L"ArrowUP", L"ArrowDown", L"ArrowUPOlive", L"ArrowDownOlive"}) {
    const Bitmap* b = FindBitmap(name);
    ASSERT_EQ(b->width, 7);
    ASSERT_EQ(b->height, 4);
    int key = 0;
    for (const Rgb p : b->pixels) key += p == magenta ? 1 : 0;
    EXPECT_EQ(key, 28 - 15);  // every pixel that is not the glyph is the key
  }
}

TEST(ResourcesTest, LookupIgnoresCase) {
  EXPECT_NE(FindBitmap(L"UP_NORMAL_BLUE"), nullptr);
  EXPECT_EQ(FindBitmap(L"up_normal_blue"), FindBitmap(L"Up_Normal_Blue"));
  EXPECT_EQ(FindBitmap(L"arrowdownolive"), FindBitmap(L"ArrowDownOlive"));
  EXPECT_EQ(FindBitmap(L"Up_Normal_Purple"), nullptr);
  EXPECT_EQ(FindBitmap(L""), nullptr);
}

TEST(ResourcesTest, PicturesMeasureInHimetric) {
  const auto picture = LoadPicture(L"Up_Hot_Silver");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->himetricWidth, 450);   // 17 pixels at 96 per inch
  EXPECT_EQ(picture->himetricHeight, 529);  // 20 pixels
  EXPECT_FALSE(LoadPicture(L"nothing"));
}

TEST(ResourcesTest, TheToolboxBitmapRoundTripsAsAnEightBitBmp) {
  const IndexedBitmap& b = ToolboxBitmap();
  const std::vector<std::uint8_t> file = EncodeBmp(b);
  EXPECT_EQ(file[28], 8);  // bits per pixel
  const auto back = DecodeBmp(file);
  ASSERT_TRUE(back);
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) {
      const auto index = b.indexes[static_cast<std::size_t>(y * b.width + x)];
      EXPECT_EQ(back->At(x, y), b.palette[index]) << x << ", " << y;
    }
  }
}

TEST(ResourcesTest, BmpFilesRoundTripEveryBitmap) {
  for (const NamedBitmap& b : NamedBitmaps()) {
    const std::vector<std::uint8_t> file = EncodeBmp(b.bitmap);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[28], 24);
    const auto back = DecodeBmp(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, b.bitmap);
    // Rows are padded to four bytes: 17 pixels take 52 bytes.
    if (b.bitmap.width == 17) {
      EXPECT_EQ(file.size(), 54u + 52u * 20u);
    }
  }
  EXPECT_FALSE(DecodeBmp({'B', 'M'}));
}

}  // namespace
}  // namespace kovra::test
