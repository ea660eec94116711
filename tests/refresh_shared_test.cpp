// The full refresh through the control, on every platform: the guard that drops it, the text it
// reformats and remembers, the states it pushes into the children and the height it enforces.
#include "core/enumerations.h"
#include "frame/colours.h"
#include "testing/control_probe.h"
#include "tests/support/control_fixture.h"

namespace kovra::test {
namespace {

class RefreshTest : public ControlTest {
 protected:
  // The container sizes the control; its resize notification runs the refresh.
  void Place(int width = 120, int height = 21) { Control().UserControl().SetExtent(width, height); }
};

TEST_P(RefreshTest, ARefreshRequestedUnderTheChangeGuardIsDropped) {
  Place();
  Properties().locked = kTrue;
  {
    const probe::OwnRewrite rewrite(Control());
    Control().UserControl_Resize();
  }
  EXPECT_FALSE(Control().Text1().Locked());
  Control().UserControl_Resize();
  EXPECT_TRUE(Control().Text1().Locked());
}

TEST_P(RefreshTest, TheFirstRefreshShowsTheDecimalsAndRemembersTheEditText) {
  EXPECT_EQ(Text(), L(L"0"));
  Place();
  EXPECT_EQ(Text(), L(L"0.00"));
  EXPECT_EQ(probe::State(Control()).firstUndoText, L(L"0.00"));
  EXPECT_EQ(probe::State(Control()).secondUndoText, L(L"0.00"));
  EXPECT_EQ(probe::Entry(Control()).AcceptedText(), L(L"0.00"));
}

TEST_P(RefreshTest, WithoutTheFocusTheDisplayFormatWithTheFocusTheEditFormat) {
  Place();
  Properties().useSeparator = kTrue;
  Control().SetValue(L(L"1234.5"));
  Control().UserControl_Resize();
  EXPECT_EQ(Text(), L(L"1,234.50"));
  EXPECT_EQ(probe::State(Control()).firstUndoText, L(L"1234.50"));
  EXPECT_EQ(probe::Entry(Control()).AcceptedText(), L(L"1234.50"));
  Control().EnterFocus();
  Control().UserControl_Resize();
  EXPECT_EQ(Text(), L(L"1234.50"));
}

TEST_P(RefreshTest, LockedMakesTheTextReadOnlyWithTheArrowAndDisablesTheButtons) {
  Properties().locked = kTrue;
  Properties().buttonSpin = kTrue;
  Properties().buttonSpinEdit = button_spin_edit::EnabledEdit;
  Place();
  EXPECT_TRUE(Control().Text1().Locked());
  EXPECT_EQ(Control().Text1().MousePointer(), mouse_pointer::Arrow);
  EXPECT_EQ(Control().UserControl().MousePointer(), mouse_pointer::Arrow);
  EXPECT_FALSE(Control().Up().Enabled());
  EXPECT_FALSE(Control().Down().Enabled());
  EXPECT_TRUE(Control().Up().Visible());
}

TEST_P(RefreshTest, SpinOnlyModeLocksTheTextButKeepsTheButtonsEnabled) {
  Properties().buttonSpin = kTrue;
  Place();
  EXPECT_TRUE(Control().Text1().Locked());
  EXPECT_EQ(Control().Text1().MousePointer(), mouse_pointer::Arrow);
  EXPECT_EQ(Control().UserControl().MousePointer(), mouse_pointer::Arrow);
  EXPECT_TRUE(Control().Up().Enabled());
  EXPECT_TRUE(Control().Down().Enabled());
  EXPECT_TRUE(Control().Up().Visible());
  EXPECT_TRUE(Control().Down().Visible());
  Properties().buttonSpin = kFalse;
  Control().UserControl_Resize();
  EXPECT_FALSE(Control().Text1().Locked());
  EXPECT_FALSE(Control().Up().Visible());
  EXPECT_FALSE(Control().Down().Visible());
}

TEST_P(RefreshTest, TheDefaultPointerShowsTheIBeamOnTheFrame) {
  Place();
  EXPECT_EQ(Control().UserControl().MousePointer(), mouse_pointer::IBeam);
  EXPECT_EQ(Control().Text1().MousePointer(), mouse_pointer::Default);
  Properties().mousePointer = 11;
  Control().UserControl_Resize();
  EXPECT_EQ(Control().UserControl().MousePointer(), 11);
  EXPECT_EQ(Control().Text1().MousePointer(), 11);
}

TEST_P(RefreshTest, ANewControlIsRaisedTo285TwipsOnce) {
  Place(120, 12);  // 12 pixels: lower than 285 twips and than the text
  const float pixelTwips = Control().UserControl().PixelsToTwipsY(1);
  EXPECT_GE(Control().UserControl().HeightTwips(), 285.0f - pixelTwips / 2);
  EXPECT_EQ(probe::State(Control()).newInstance, 0);
  // Later, smaller heights are accepted down to the text's minimum.
  Place(120, 16);
  EXPECT_EQ(Control().UserControl().ScaleHeight(), 16);
}

TEST_P(RefreshTest, TheControlGrowsToItsTextAndCentresIt) {
  Place(120, 21);
  Place(120, 5);
  TextBox& text1 = Control().Text1();
  const float minimum = text1.Height() + 2;  // WindowsAppearance, W = 1
  EXPECT_EQ(Control().UserControl().ScaleHeight(), minimum);
  EXPECT_EQ(text1.Top(), 1);  // (minimum − Text1.Height) \ 2
}

TEST_P(RefreshTest, ADisabledControlAtRunTimeUnderTheManualThemeIsGrey) {
  Properties().enabled = kFalse;
  Properties().xpGetTheme = xp_get_theme::ManualGetTheme;
  Place();
  EXPECT_FALSE(Control().Text1().Enabled());
  EXPECT_EQ(Control().Text1().BackColor(), MakeRgb(235, 235, 228));
  EXPECT_EQ(Control().UserControl().BackColor(), MakeRgb(235, 235, 228));
  EXPECT_FALSE(Control().UserControl().Enabled());
}

TEST_P(RefreshTest, InDesignModeTheControlIsDrawnEnabled) {
  platform_->Container().userMode = false;
  Properties().enabled = kFalse;
  Properties().xpGetTheme = xp_get_theme::ManualGetTheme;
  Properties().foreColor = 0x000000FF;
  Place();
  EXPECT_TRUE(Control().Text1().Enabled());
  EXPECT_EQ(Control().Text1().ForeColor(), MakeRgb(255, 0, 0));
  EXPECT_EQ(Control().Text1().BackColor(),
            TranslateColor(Control().GetPlatform().GetDrawing(), Properties().backColor));
}

TEST_P(RefreshTest, TheToolTipComesFromTheContainer) {
  platform_->Container().toolTipText = L"Amount";
  Place();
  EXPECT_EQ(Control().Text1().ToolTipText(), L"Amount");
}

TEST_P(RefreshTest, TheClassicFrameIsDrawnInTheSystemColours) {
  Properties().appearance = appearance::Standard3DAppearance;
  Place(40, 21);
  const SystemColourTable& system = probe::State(Control()).systemColours;
  DeviceContext& dc = Control().UserControl().Dc();
  EXPECT_EQ(dc.GetPixel(0, 0), system.shadow);
  EXPECT_EQ(dc.GetPixel(39, 20), system.highlight);
  EXPECT_EQ(dc.GetPixel(1, 1), ShiftColor(system.shadow, -60));
  EXPECT_EQ(dc.GetPixel(38, 19), system.face);
}

TEST_P(RefreshTest, TheManualFrameIsAFlatRectangleOfTheBorderWidth) {
  Properties().xpGetTheme = xp_get_theme::ManualGetTheme;
  Properties().winTheme = win_theme::OliveTheme;
  Properties().winBorderWidth = 2;
  Place(40, 21);
  DeviceContext& dc = Control().UserControl().Dc();
  const Rgb olive = MakeRgb(164, 185, 127);
  EXPECT_EQ(dc.GetPixel(0, 0), olive);
  EXPECT_EQ(dc.GetPixel(1, 10), olive);
  EXPECT_EQ(dc.GetPixel(38, 19), olive);
  EXPECT_EQ(dc.GetPixel(2, 2), Control().UserControl().BackColor());
  Properties().winBorderColorOption = win_border_color_option::UseBorderColor;
  Control().UserControl_Resize();
  EXPECT_EQ(dc.GetPixel(39, 20), MakeRgb(0, 0, 192));
}

TEST_P(RefreshTest, ANewBackColourShowsAroundTheTextAtOnce) {
  Properties().appearance = appearance::Standard3DAppearance;
  Properties().border3DStyle = border3d::NoneBorderStyle;
  Place(60, 21);
  Properties().backColor = 0x0000FF00;
  Control().UserControl_Resize();
  // NoneBorderStyle draws nothing: the band around Text1 is the new back colour.
  EXPECT_EQ(Control().UserControl().Dc().GetPixel(0, 0), MakeRgb(0, 255, 0));
  EXPECT_EQ(Control().UserControl().Dc().GetPixel(59, 20), MakeRgb(0, 255, 0));
  EXPECT_EQ(Control().Text1().BackColor(), MakeRgb(0, 255, 0));
}

KOVRA_RUN_ON_TEST_LOCALES(RefreshTest);

}  // namespace
}  // namespace kovra::test
