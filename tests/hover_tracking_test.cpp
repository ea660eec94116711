// Hover tracking: entering by the surface's own moves, leaving by Timer1's poll of the pointer,
// the text colour and the frame that follow, and the events with their stored arguments.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "core/events.h"
#include "platform/headless/headless_platform.h"
#include "testing/control_probe.h"

namespace kovra {
namespace {

using std::chrono::milliseconds;

class HoverTrackingTest : public ::testing::Test {
 protected:
  HoverTrackingTest() : control_(platform_) {
    control_.SetContainer(&platform_.container);
    control_.Initialize();
    control_.InitProperties();
    control_.UserControl().SetExtent(120, 21);
    platform_.container.events.clear();
    platform_.pointer.origins[control_.UserControl().WindowHandle()] = {100, 200};
  }

  void Move(std::int16_t button, float x, float y) {
    control_.UserControl().DeliverMouse(MouseAction::Move, button, 0, x, y);
  }
  // The pointer at a screen position over `window`, then one poll.
  void PointerAt(int x, int y, std::uintptr_t window) {
    platform_.pointer.position = {x, y};
    platform_.pointer.windowUnder = window;
    platform_.clock.Advance(milliseconds(3));
  }
  std::vector<std::wstring> Events() {
    std::vector<std::wstring> names;
    for (const auto& e : platform_.container.events) names.emplace_back(event::Name(e.dispatchId));
    return names;
  }

  headless::HeadlessPlatform platform_;
  KovraDouble control_;
};

TEST_F(HoverTrackingTest, EnterMoveAndExitWithTheLastMovesArguments) {
  Move(0, 1, 2);
  EXPECT_TRUE(probe::Hover(control_).Hovering());
  EXPECT_TRUE(probe::Timer1(control_).Enabled());
  Move(0, 2, 3);
  PointerAt(150, 210, control_.Text1().WindowHandle());  // over Text1, inside: still hovering
  EXPECT_TRUE(probe::Hover(control_).Hovering());
  PointerAt(100 + 120, 200 + 21, 0);  // on the far edge lines: still inside
  EXPECT_TRUE(probe::Hover(control_).Hovering());
  PointerAt(99, 205, 0);
  EXPECT_FALSE(probe::Hover(control_).Hovering());
  EXPECT_FALSE(probe::Timer1(control_).Enabled());
  EXPECT_EQ(Events(), (std::vector<std::wstring>{L"MouseEnter", L"MouseMove", L"MouseExit"}));
  const auto& exit = platform_.container.events.back();
  ASSERT_EQ(exit.arguments.size(), 4u);
  EXPECT_EQ(std::get<float>(exit.arguments[2]), 2.0f);  // the last move over the frame band
  EXPECT_EQ(std::get<float>(exit.arguments[3]), 3.0f);
}

TEST_F(HoverTrackingTest, DraggingInOrMovingOutsideTheSurfaceDoesNotEnter) {
  Move(mouse_button::Left, 1, 2);
  Move(0, -1, 2);
  Move(0, 1, 21);
  EXPECT_FALSE(probe::Hover(control_).Hovering());
  EXPECT_TRUE(platform_.container.events.empty());
}

TEST_F(HoverTrackingTest, OverTheControlsOwnWindowThePointerIsInside) {
  Move(0, 1, 2);
  PointerAt(0, 0, control_.UserControl().WindowHandle());
  EXPECT_TRUE(probe::Hover(control_).Hovering());
}

TEST_F(HoverTrackingTest, TheTextTakesTheHoverColourAndGivesItBack) {
  control_.PutProperty(L"FontOverEffect", true);
  control_.PutProperty(L"FontOverColor", std::int32_t{0x0000FF});
  control_.PutProperty(L"ForeColor", std::int32_t{0x123456});
  Move(0, 1, 2);
  EXPECT_EQ(control_.Text1().ForeColor(), Rgb(0x0000FF));
  PointerAt(0, 0, 0);
  EXPECT_EQ(control_.Text1().ForeColor(), Rgb(0x123456));
}

}  // namespace
}  // namespace kovra
