// The control's own bitmaps: sizes, the white ring, the telling colours at their pixels, the
// arrow glyph, lookup ignoring case, the toolbox picture and the .bmp files made from them.
#include <gtest/gtest.h>

#include "resources/bitmaps.h"
#include "resources/bmp_file.h"
#include "resources/button_colours.h"
#include "tests/support/raster_probe.h"

namespace kovra::test {
namespace {

using namespace resources;

TEST(ResourcesTest, EighteenButtonsAndFourArrows) {
  EXPECT_EQ(NamedBitmaps().size(), 22u);
  int buttons = 0;
  for (const NamedBitmap& b : NamedBitmaps()) {
    if (b.bitmap.width == kButtonWidth && b.bitmap.height == kButtonHeight) ++buttons;
    EXPECT_EQ(b.bitmap.pixels.size(),
              static_cast<std::size_t>(b.bitmap.width) * static_cast<std::size_t>(b.bitmap.height));
  }
  EXPECT_EQ(buttons, 18);
}

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

TEST(ResourcesTest, TellingColoursAreTheListedOnes) {
  const ButtonColours& blueNormal = ButtonColourTable()[0];
  EXPECT_EQ(Hex(blueNormal.border), "#B7CAF5");
  EXPECT_EQ(Hex(blueNormal.top), "#E1EAFE");
  const ButtonColours& olivePress = ButtonColourTable()[8];
  EXPECT_EQ(olivePress.scheme, L"Olive");
  EXPECT_EQ(olivePress.state, L"Press");
  EXPECT_EQ(Hex(olivePress.bottom), "#829468");
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
  for (const NamedBitmap& b : NamedBitmaps()) {
    for (wchar_t c : b.name) EXPECT_FALSE(c >= L'a' && c <= L'z') << "stored in capitals";
  }
}

TEST(ResourcesTest, PicturesMeasureInHimetric) {
  const auto picture = LoadPicture(L"Up_Hot_Silver");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->himetricWidth, 450);   // 17 pixels at 96 per inch
  EXPECT_EQ(picture->himetricHeight, 529);  // 20 pixels
  EXPECT_FALSE(LoadPicture(L"nothing"));
}

TEST(ResourcesTest, ToolboxBitmapIsSixteenByFifteenEightBit) {
  const IndexedBitmap& b = ToolboxBitmap();
  EXPECT_EQ(kToolboxBitmapId, 30000);
  EXPECT_EQ(b.width, 16);
  EXPECT_EQ(b.height, 15);
  EXPECT_EQ(b.palette.size(), 256u);
  ASSERT_EQ(b.indexes.size(), 16u * 15u);
  for (const std::uint8_t i : b.indexes) EXPECT_LT(i, 7);
  const std::vector<std::uint8_t> file = EncodeBmp(b);
  EXPECT_EQ(file[28], 8);  // bits per pixel
  const auto back = DecodeBmp(file);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->At(0, 2), b.palette[b.indexes[2 * 16]]);
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
