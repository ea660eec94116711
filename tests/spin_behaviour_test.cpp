// The spin buttons on the virtual clock: steps and their clamping, the repeat's timing, the hot
// watch, the selection override of Up, and the ButtonSpin event once per left release.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "core/events.h"
#include "platform/headless/headless_platform.h"
#include "testing/control_probe.h"

namespace kovra {
namespace {

using std::chrono::milliseconds;

class SpinBehaviourTest : public ::testing::Test {
 protected:
  SpinBehaviourTest() : control_(platform_) {
    control_.SetContainer(&platform_.container);
    control_.Initialize();
    control_.InitProperties();
    control_.UserControl().SetExtent(120, 21);
    control_.PutProperty(L"ButtonSpin", true);
    platform_.container.events.clear();
  }

  void Press(PictureSurface& button, std::int16_t mouseButton = mouse_button::Left) {
    button.DeliverMouse(MouseAction::Down, mouseButton, 0, 2, 2);
  }
  void Release(PictureSurface& button, std::int16_t mouseButton = mouse_button::Left) {
    button.DeliverMouse(MouseAction::Up, mouseButton, 0, 2, 2);
  }
  void Text(const wchar_t* value) {
    control_.SetValue(value);
    platform_.container.events.clear();
  }
  int Count(int dispatchId) {
    int n = 0;
    for (const auto& e : platform_.container.events) n += e.dispatchId == dispatchId ? 1 : 0;
    return n;
  }
  PropertyMembers& P() { return probe::State(control_).properties; }

  headless::HeadlessPlatform platform_;
  KovraDouble control_;
};

TEST_F(SpinBehaviourTest, AStepPastTheMaximumIsWrittenThenClamped) {
  Text(L"99.5");
  Press(control_.Up());
  EXPECT_EQ(control_.Value(), L"100");
  EXPECT_EQ(Count(event::Change), 2);  // 100.5, then 100
  Release(control_.Up());
  EXPECT_EQ(Count(event::ButtonSpin), 1);

  platform_.container.events.clear();
  Press(control_.Up());  // at the bound: nothing written, but pressed and repeating
  EXPECT_EQ(Count(event::Change), 0);
  EXPECT_TRUE(probe::Timer3(control_).Enabled());
  Release(control_.Up());
  EXPECT_FALSE(probe::Timer3(control_).Enabled());
  EXPECT_EQ(probe::Timer3(control_).Interval(), 500);
  EXPECT_EQ(Count(event::ButtonSpin), 1);
}

TEST_F(SpinBehaviourTest, StepsKeepFifteenSignificantDigits) {
  P().buttonSpinIncrement = 0.1;
  Text(L"0.2");
  Press(control_.Up());
  Release(control_.Up());
  EXPECT_EQ(control_.Value(), L"0.3");
  EXPECT_EQ(control_.Text1().Text(), L"0.30");
}

TEST_F(SpinBehaviourTest, DownStopsAtTheMinimum) {
  Text(L"0");
  Press(control_.Down());
  Release(control_.Down());
  EXPECT_EQ(Count(event::Change), 0);
  Text(L"0.4");
  Press(control_.Down());
  Release(control_.Down());
  EXPECT_EQ(control_.Value(), L"0");
  EXPECT_EQ(probe::Spin(control_).Direction(), 1);
}

TEST_F(SpinBehaviourTest, HoldingUpForOneSecondGivesNineSteps) {
  P().buttonSpinMax = 1000;
  Text(L"0");
  Press(control_.Up());
  platform_.clock.Advance(milliseconds(1000));
  Release(control_.Up());
  EXPECT_EQ(control_.Value(), L"9");
  platform_.clock.Advance(milliseconds(1000));
  EXPECT_EQ(control_.Value(), L"9");  // the release stopped the repeat
}

TEST_F(SpinBehaviourTest, OnlyTheLeftButtonPresses) {
  Text(L"5");
  Press(control_.Up(), mouse_button::Right);
  Release(control_.Up(), mouse_button::Right);
  EXPECT_EQ(control_.Value(), L"5");
  EXPECT_TRUE(platform_.container.events.empty());
  EXPECT_FALSE(probe::Timer3(control_).Enabled());
}

TEST_F(SpinBehaviourTest, ADoubleClickStepsTwiceWithOneEventPerRelease) {
  Text(L"5");
  Press(control_.Up());
  Release(control_.Up());
  control_.Up().DeliverMouse(MouseAction::DblClick, 0, 0, 0, 0);
  Release(control_.Up());
  EXPECT_EQ(control_.Value(), L"7");
  EXPECT_EQ(Count(event::ButtonSpin), 2);
}

TEST_F(SpinBehaviourTest, PressingUpSelectsNothingUntilTheRelease) {
  ASSERT_EQ(P().selLength, 0);
  Press(control_.Up());
  EXPECT_EQ(control_.GetProperty(L"SelLength"), Variant(std::int32_t{1}));
  Release(control_.Up());
  EXPECT_EQ(P().selLength, 0);
  Press(control_.Down());
  EXPECT_EQ(P().selLength, 0);
  Release(control_.Down());
}

TEST_F(SpinBehaviourTest, TheHotLookLastsUntilTheWatchSeesThePointerElsewhere) {
  control_.Up().DeliverMouse(MouseAction::Move, 0, 0, 3, 3);
  EXPECT_TRUE(probe::Spin(control_).HotFlag());
  EXPECT_TRUE(probe::Timer2(control_).Enabled());
  EXPECT_EQ(control_.UserControl().MousePointer(), 1);  // arrow

  platform_.pointer.windowUnder = control_.Up().WindowHandle();
  platform_.clock.Advance(milliseconds(30));
  EXPECT_TRUE(probe::Spin(control_).HotFlag());

  platform_.pointer.windowUnder = control_.Text1().WindowHandle();
  platform_.clock.Advance(milliseconds(3));
  EXPECT_FALSE(probe::Spin(control_).HotFlag());
  EXPECT_FALSE(probe::Timer2(control_).Enabled());
  // Spin-only mode gives Text1 the arrow, so the surface takes MousePointer (0, the default).
  EXPECT_EQ(control_.UserControl().MousePointer(), 0);
}

TEST_F(SpinBehaviourTest, WithAnEditableTextTheSurfaceGetsTheIBeamBack) {
  control_.PutProperty(L"ButtonSpinEdit", std::int16_t{1});
  control_.UserControl_Resize();
  control_.Down().DeliverMouse(MouseAction::Move, 0, 0, 3, 3);
  EXPECT_EQ(control_.UserControl().MousePointer(), 1);
  platform_.pointer.windowUnder = 0;
  platform_.clock.Advance(milliseconds(3));
  EXPECT_EQ(control_.UserControl().MousePointer(), 3);
}

TEST_F(SpinBehaviourTest, MovesWithAButtonHeldOrOutsideChangeNothing) {
  control_.Up().DeliverMouse(MouseAction::Move, mouse_button::Left, 0, 3, 3);
  control_.Up().DeliverMouse(MouseAction::Move, 0, 0, -1, 3);
  control_.Up().DeliverMouse(MouseAction::Move, 0, 0, 3, 500);
  EXPECT_FALSE(probe::Spin(control_).HotFlag());
  EXPECT_FALSE(probe::Timer2(control_).Enabled());
}

TEST_F(SpinBehaviourTest, CrossedBoundsClampEachDirectionToItsOwnBound) {
  Text(L"30");
  P().buttonSpinMin = 50;
  P().buttonSpinMax = 10;
  Press(control_.Up());
  Release(control_.Up());
  EXPECT_EQ(control_.Value(), L"30");  // already at or above the maximum
  Press(control_.Down());
  Release(control_.Down());
  EXPECT_EQ(control_.Value(), L"30");  // not above the minimum
}

TEST_F(SpinBehaviourTest, AStepOnATextThatIsNotANumberDoesNothing) {
  probe::PutTextAsWritten(control_, L"");
  Press(control_.Up());
  platform_.clock.Advance(milliseconds(600));
  Release(control_.Up());
  EXPECT_EQ(control_.Text1().Text(), L"");
  EXPECT_EQ(Count(event::ButtonSpin), 1);
}

}  // namespace
}  // namespace kovra
