// The About box through Acerca on the headless platform, which shows it as a recorded form: its
// caption, version line, fonts and picture, the centring on resize, the link through the shell
// and the warning when the shell fails, OK, and one box at a time, made afresh on each Acerca.
#include "pages/about/about_box.h"

#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "platform/headless/headless_platform.h"
#include "resources/product_picture.h"
#include "resources/product_picture_jpeg.h"

namespace kovra::test {
namespace {

using headless::HeadlessFormWindow;

class AboutBoxTest : public ::testing::Test {
 protected:
  AboutBoxTest() {
    control_.SetContainer(&platform_.container);
    control_.Initialize();
    control_.InitProperties();
  }
  void Acerca() { control_.Invoke(L"Acerca"); }
  headless::HeadlessForms& Forms() { return platform_.forms; }
  // Where the picture stands in the box as it is now.
  static TwipRect Picture(const HeadlessFormWindow& box) {
    return box.Layout().Element(L"Image1").bounds;
  }

  headless::HeadlessPlatform platform_;
  KovraDouble control_{platform_};
};

TEST(VersionLineTest, ReadsMajorMinorAndRevisionAsPlainIntegers) {
  EXPECT_EQ(about::VersionLine(3, 0, 70), L"Version: 3.0.70");
  EXPECT_EQ(about::VersionLine(1, 0, 1), L"Version: 1.0.1");
  EXPECT_EQ(about::VersionLine(12, 4, 0), L"Version: 12.4.0");
}

TEST_F(AboutBoxTest, AcercaShowsTheBoxModallyWithNoOwnerItsVersionLineAndArialTexts) {
  Acerca();
  ASSERT_EQ(Forms().forms.size(), 1u);
  const headless::ShownForm& shown = Forms().forms[0];
  EXPECT_EQ(shown.owner, 0u);
  EXPECT_EQ(shown.shown.caption, L"About Control KovraDouble");
  // The library's file version is 1.0.0.1.
  EXPECT_EQ(shown.shown.Element(L"Label1").caption, L"Version: 1.0.1");
  EXPECT_EQ(shown.shown.Element(L"Label5").caption, L"ActiveX Controls.");
  EXPECT_EQ(shown.shown.Element(L"Label5").kind, FormElementKind::LinkLabel);
  EXPECT_EQ(shown.shown.Element(L"Command1").caption, L"OK");
  EXPECT_EQ(shown.shown.Element(L"Command1").picture, resources::kOkMarkName);
  EXPECT_EQ(shown.shown.Element(L"Image1").picture, resources::kProductPictureName);
  for (const FormElement& element : shown.shown.elements) {
    if (element.caption.empty()) continue;
    EXPECT_EQ(element.font.name, L"Arial") << testing::PrintToString(element.name);
  }
  // Nobody clicked: the box was closed and Acerca came back.
  EXPECT_TRUE(Forms().shellRequests.empty());
}

TEST_F(AboutBoxTest, ThePictureStaysCentredWhateverTheBoxsInnerSize) {
  std::vector<TwipRect> places;
  Forms().user = [&](HeadlessFormWindow& box) {
    places.push_back(Picture(box));
    for (const TwipSize size : {TwipSize{9000, 6000}, TwipSize{4801, 3003}, TwipSize{3000, 1000}}) {
      box.Resize(size);
      places.push_back(Picture(box));
    }
  };
  Acerca();
  const int w = resources::kProductPictureWidth * kTwipsPerPixel;
  const int h = resources::kProductPictureHeight * kTwipsPerPixel;
  const std::vector<TwipRect> expected{
      {0, 0, w, h},  // the box's own size is the picture's
      {(9000 - w) / 2, (6000 - h) / 2, w, h},
      {0, 2, w, h},                            // half a twip rounds to even; 1.5 to 2
      {(3000 - w) / 2, (1000 - h) / 2, w, h},  // smaller than the picture: it overhangs evenly
  };
  EXPECT_EQ(places, expected);
}

TEST_F(AboutBoxTest, TheLinkAsksTheShellToOpenTheWebPageWithTheBoxAsOwner) {
  std::uintptr_t window = 0;
  Forms().user = [&](HeadlessFormWindow& box) {
    window = box.WindowHandle();
    box.Click(L"Label5");
  };
  Acerca();
  ASSERT_EQ(Forms().shellRequests.size(), 1u);
  EXPECT_EQ(Forms().shellRequests[0].verb, L"open");
  EXPECT_EQ(Forms().shellRequests[0].file, about::kWebPage);
  EXPECT_NE(window, 0u);
  EXPECT_EQ(Forms().shellRequests[0].owner, window);
  EXPECT_TRUE(platform_.messages.shown.empty());
}

TEST_F(AboutBoxTest, AShellFailureShowsTheWarningWithTheErrorAndTheBoxStaysOpen) {
  bool stillOpen = false;
  Forms().user = [&](HeadlessFormWindow& box) {
    box.Click(L"Label5");
    stillOpen = !box.Unloaded();
  };
  for (const std::intptr_t failure : {0, 2, 32}) {
    SCOPED_TRACE(failure);
    Forms().shellAnswer = {failure, 2, L"The system cannot find the file specified."};
    platform_.messages.shown.clear();
    stillOpen = false;
    Acerca();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(platform_.messages.shown.size(), 1u);
    const headless::ShownMessage& warning = platform_.messages.shown[0];
    EXPECT_EQ(warning.title, L"Err.Number = 2");
    EXPECT_EQ(warning.text, L"The system cannot find the file specified.    ");
    EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
    EXPECT_EQ(warning.owner, Forms().forms.back().window);
  }
  Forms().shellAnswer = {33, 0, {}};  // just above the failures
  platform_.messages.shown.clear();
  Acerca();
  EXPECT_EQ(Forms().shellRequests.size(), 4u);
  EXPECT_TRUE(platform_.messages.shown.empty());
  Forms().user = nullptr;
}

TEST_F(AboutBoxTest, OkUnloadsTheBoxAndAcercaReturns) {
  bool unloadedByOk = false;
  Forms().user = [&](HeadlessFormWindow& box) {
    box.Click(L"Label4");  // a plain label does nothing
    EXPECT_FALSE(box.Unloaded());
    box.Click(L"Command1");
    unloadedByOk = box.Unloaded();
    EXPECT_THROW(box.Click(L"Command1"), std::logic_error);
  };
  Acerca();
  EXPECT_TRUE(unloadedByOk);
  EXPECT_EQ(Forms().forms.size(), 1u);
}

TEST_F(AboutBoxTest, AcercaWhileTheBoxIsOpenBringsItForwardInsteadOfASecondBox) {
  Forms().user = [&](HeadlessFormWindow&) { Acerca(); };
  Acerca();
  EXPECT_EQ(Forms().forms.size(), 1u);
  EXPECT_EQ(Forms().broughtForward, 1);
}

TEST_F(AboutBoxTest, AUserActionThatFailsLeavesNoBoxBehindForTheNextAcerca) {
  Forms().user = [](HeadlessFormWindow& box) { box.Click(L"Label9"); };
  EXPECT_THROW(Acerca(), std::invalid_argument);
  Forms().user = nullptr;
  Acerca();
  EXPECT_EQ(Forms().forms.size(), 2u);
  EXPECT_EQ(Forms().broughtForward, 0);
}

TEST_F(AboutBoxTest, EachAcercaGetsAFreshlyLoadedBox) {
  // The first box is left resized; the second is made anew at the designed size.
  Forms().user = [&](HeadlessFormWindow& box) { box.Resize({9000, 6000}); };
  Acerca();
  Forms().user = nullptr;
  Acerca();
  ASSERT_EQ(Forms().forms.size(), 2u);
  EXPECT_NE(Forms().forms[0].left, Forms().forms[1].shown);
  EXPECT_EQ(Forms().forms[0].shown, Forms().forms[1].shown);
  EXPECT_NE(Forms().forms[0].window, Forms().forms[1].window);
  EXPECT_EQ(Forms().forms[1].shown.Element(L"Label1").caption, L"Version: 1.0.1");
  EXPECT_EQ(Forms().forms[1].shown.Element(L"Image1").bounds.left, 0);
  EXPECT_EQ(Forms().broughtForward, 0);
}

// The JPEG the build made from the drawing: a baseline JPEG of the picture's size.
TEST(ProductPictureTest, TheCarriedJpegHasThePicturesSize) {
  const std::span<const std::uint8_t> jpeg = resources::ProductPictureJpeg();
  ASSERT_GT(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);  // start of image
  EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
  EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);  // end of image
  // Walk the markers to the frame header (SOF0..SOF2), which holds height and width.
  std::size_t at = 2;
  while (at + 9 < jpeg.size() && jpeg[at] == 0xFF && (jpeg[at + 1] < 0xC0 || jpeg[at + 1] > 0xC2)) {
    at += 2 + static_cast<std::size_t>(jpeg[at + 2] << 8 | jpeg[at + 3]);
  }
  ASSERT_LT(at + 9, jpeg.size());
  ASSERT_EQ(jpeg[at], 0xFF);
  EXPECT_EQ(jpeg[at + 5] << 8 | jpeg[at + 6], resources::kProductPictureHeight);
  EXPECT_EQ(jpeg[at + 7] << 8 | jpeg[at + 8], resources::kProductPictureWidth);
}

TEST(ProductPictureTest, TheTextsStandOnALightBandAndTheDrawingNeverChanges) {
  const Bitmap picture = resources::DrawProductPicture();
  ASSERT_EQ(picture.width, resources::kProductPictureWidth);
  ASSERT_EQ(picture.height, resources::kProductPictureHeight);
  // The texts (black Arial) stand on the band: every pixel under them is light.
  for (int y = resources::kTextBandTop + 2; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; x += 7) {
      const Rgb c = picture.At(x, y);
      ASSERT_GT(RedOf(c) + GreenOf(c) + BlueOf(c), 3 * 200) << x << ", " << y;
    }
  }
  EXPECT_EQ(resources::DrawProductPicture(), picture);  // the same pixels every time
}

}  // namespace
}  // namespace kovra::test
