// The driver's pictures: the control as the screen shows it, with Text1's text in the small
// font, the visible spin buttons in front, a box for a character the font lacks, and sheets of
// captioned pictures.
#include "tools/control_picture.h"

#include <gtest/gtest.h>

#include "core/enumerations.h"
#include "platform/headless/headless_platform.h"
#include "testing/control_probe.h"
#include "tests/support/raster_probe.h"
#include "tools/bitmap_font.h"

namespace kovra::test {
namespace {

int Count(const Bitmap& picture, Rgb colour) {
  int n = 0;
  for (const Rgb p : picture.pixels) n += p == colour ? 1 : 0;
  return n;
}

TEST(ControlPictureTest, ShowsTheFrameTheTextAndTheButtons) {
  headless::HeadlessPlatform platform;
  KovraDouble control(platform);
  control.SetContainer(&platform.container);
  control.Initialize();
  control.InitProperties();
  probe::State(control).properties.appearance = appearance::Standard3DAppearance;
  probe::State(control).properties.buttonSpin = kTrue;
  probe::State(control).properties.foreColor = 0x000000FF;
  probe::State(control).properties.backColor = 0x00C0FFFF;
  control.UserControl().SetExtent(120, 21);
  const Bitmap picture = tools::ComposeControlPicture(control);
  ASSERT_EQ(picture.width, 120);
  ASSERT_EQ(picture.height, 21);
  EXPECT_EQ(picture.At(0, 0), MakeRgb(128, 128, 128));  // the lowered frame
  EXPECT_GT(Count(picture, MakeRgb(255, 0, 0)), 20);    // "0.00" in ForeColor
  // The upper button in front of Text1, at its place: its raised highlight at (1, 1).
  const int left = static_cast<int>(control.Up().Left());
  EXPECT_EQ(picture.At(left + 1, 3), MakeRgb(255, 255, 255));
  probe::State(control).properties.buttonSpin = kFalse;
  control.UserControl_Resize();
  const Bitmap hidden = tools::ComposeControlPicture(control);
  EXPECT_EQ(hidden.At(left + 1, 3), MakeRgb(255, 255, 192));  // Text1 reaches under them
}

TEST(ControlPictureTest, TheFontBoxesACharacterItHasNoGlyphFor) {
  Bitmap picture = Blank(7, 9, 0);
  tools::DrawText(picture, 1, 0, L"\u4E00", MakeRgb(255, 255, 255));
  EXPECT_EQ(Mask(picture, MakeRgb(255, 255, 255)),
            ".......\n"
            ".#####.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#...#.\n"
            ".#####.\n"
            ".......\n");
}

TEST(ControlPictureTest, SheetsLayCaptionedPicturesInAGrid) {
  const std::vector<tools::CaptionedPicture> pictures(5, {Blank(30, 10, MakeRgb(9, 9, 9)), L"A"});
  const Bitmap sheet = tools::ComposeSheet(pictures, 2);
  EXPECT_EQ(sheet.width, 10 + 2 * (30 + 10));
  EXPECT_EQ(sheet.height, 10 + 3 * (10 + 9 + 2 + 10));
  EXPECT_EQ(Count(sheet, MakeRgb(9, 9, 9)), 5 * 300);
  EXPECT_EQ(tools::Enlarged(Blank(2, 3, 0), 3).width, 6);
}

}  // namespace
}  // namespace kovra::test
