// The full refresh on the headless platform, where the theme library, the visual style and
// the container's resize notifications can be switched and counted.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "core/enumerations.h"
#include "frame/themed_frame.h"
#include "platform/headless/headless_platform.h"
#include "testing/control_probe.h"

namespace kovra::test {
namespace {

class HeadlessRefreshTest : public ::testing::Test {
 protected:
  void Make() {
    control = std::make_unique<KovraDouble>(platform);
    control->SetContainer(&platform.container);
    control->Initialize();
    control->InitProperties();
  }
  headless::HeadlessSurface& Surface() {
    return dynamic_cast<headless::HeadlessSurface&>(control->UserControl());
  }
  PropertyMembers& P() { return probe::State(*control).properties; }

  headless::HeadlessPlatform platform;
  std::unique_ptr<KovraDouble> control;
};

TEST_F(HeadlessRefreshTest, WithoutTheThemeLibraryTheFirstRefreshChoosesTheManualTheme) {
  platform.system.themeLibraryAvailable = false;
  Make();
  EXPECT_EQ(P().xpGetTheme, xp_get_theme::AutomaticGetTheme);
  control->UserControl().SetExtent(120, 21);
  EXPECT_EQ(P().xpGetTheme, xp_get_theme::ManualGetTheme);
  EXPECT_EQ(Surface().Image().At(0, 0), MakeRgb(127, 157, 185));  // the blue scheme's frame
  EXPECT_EQ(control->Down().Top(), 10);  // no extra pixel without the theme library
}

TEST_F(HeadlessRefreshTest, WhenTheEngineCannotDrawTheFrameTheManualThemeStays) {
  platform.drawing.theme.visualStyle = false;
  Make();
  P().winTheme = win_theme::SilverTheme;
  control->UserControl().SetExtent(120, 21);
  EXPECT_EQ(P().xpGetTheme, xp_get_theme::ManualGetTheme);
  EXPECT_EQ(Surface().Image().At(0, 0), MakeRgb(165, 172, 178));
  platform.drawing.theme.visualStyle = true;
  control->UserControl_Resize();
  EXPECT_EQ(P().xpGetTheme, xp_get_theme::ManualGetTheme);  // only the setter switches back
}

TEST_F(HeadlessRefreshTest, TheEngineFrameGivesText1ItsFillSample) {
  Make();
  control->UserControl().SetExtent(120, 21);
  EXPECT_EQ(P().xpGetTheme, xp_get_theme::AutomaticGetTheme);
  const Rgb normal = Surface().Image().At(2, 2);
  EXPECT_EQ(control->Text1().BackColor(), normal);
  P().enabled = kFalse;
  control->UserControl_Resize();
  EXPECT_EQ(control->Text1().BackColor(), Surface().Image().At(2, 2));  // the disabled fill
  EXPECT_NE(control->Text1().BackColor(), normal);
  platform.container.userMode = false;
  control->UserControl_Resize();
  EXPECT_EQ(control->Text1().BackColor(), normal);  // design mode: drawn as enabled
  EXPECT_EQ(platform.drawing.theme.opened, platform.drawing.theme.closed);
}

TEST_F(HeadlessRefreshTest, AHeightChangeRunsANestedRefreshAndTheOuterOneGoesOn) {
  Make();
  int refreshes = 0;
  control->UserControl().SetResizeHandler([&] {
    ++refreshes;
    control->UserControl_Resize();
  });
  control->UserControl().SetExtent(120, 12);
  // The container's notification, then the new-instance height (285 twips, 19 pixels) inside it.
  EXPECT_EQ(refreshes, 2);
  EXPECT_EQ(control->UserControl().ScaleHeight(), 19);
  EXPECT_EQ(control->Text1().Top(), 3);  // centred in the new height by the outer run
  control->UserControl().SetExtent(120, 8);
  EXPECT_EQ(refreshes, 4);  // now the minimum height raises it to the text: 13 + 2
  EXPECT_EQ(control->UserControl().ScaleHeight(), 15);
}

TEST_F(HeadlessRefreshTest, TheRefreshDrawsTheSpinButtonsInTheirLook) {
  Make();
  P().buttonSpin = kTrue;
  P().appearance = appearance::Standard3DAppearance;
  control->UserControl().SetExtent(120, 21);
  auto& up = dynamic_cast<headless::HeadlessPictureSurface&>(control->Up());
  EXPECT_EQ(up.Width(), platform.drawing.scrollArrowWidth);
  EXPECT_EQ(up.Height(), 8);
  EXPECT_EQ(up.Image().At(1, 1), MakeRgb(255, 255, 255));  // raised: highlight
  EXPECT_GE(up.refreshCount, 1);
}

TEST_F(HeadlessRefreshTest, TheHoverFrameIsDrawnOverTheFrame) {
  Make();
  P().winBorderWidth = 2;
  control->UserControl().SetExtent(60, 21);
  DrawHoverFrame(P(),
                 {control->UserControl(), control->Text1(), platform.drawing, platform.container});
  EXPECT_EQ(Surface().Image().At(1, 1), MakeRgb(0, 0, 255));
  EXPECT_EQ(Surface().Image().At(59, 20), MakeRgb(0, 0, 255));
  EXPECT_NE(Surface().Image().At(2, 2), MakeRgb(0, 0, 255));
}

TEST_F(HeadlessRefreshTest, ShowPresentsTheKeptImage) {
  Make();
  const int before = Surface().refreshCount;
  control->Show();
  control->Refresh();
  EXPECT_EQ(Surface().refreshCount, before + 2);
}

}  // namespace
}  // namespace kovra::test
