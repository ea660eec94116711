// Mouse input passed on to the container: Text1's presses, releases, moves and clicks with its
// own coordinates, and a click on the frame, which first moves the focus into Text1.
#include <gtest/gtest.h>

#include "tests/support/control_fixture.h"
#include "tools/script_runner.h"

namespace kovra::test {
namespace {

class MouseEventsTest : public ControlTest {
 protected:
  std::vector<std::wstring> Described() {
    std::vector<std::wstring> described;
    for (const auto& e : platform_->Container().events)
      described.push_back(tools::DescribeEvent(e));
    platform_->Container().events.clear();
    return described;
  }
};

TEST_P(MouseEventsTest, TextBoxMouseInputIsPassedOnInItsOwnCoordinates) {
  TextBox& box = Control().Text1();
  box.DeliverMouse(MouseAction::Down, mouse_button::Left, 0, 3, 4);
  box.DeliverMouse(MouseAction::Up, mouse_button::Left, 0, 3, 4);
  EXPECT_EQ(Described(),
            (std::vector<std::wstring>{L"MouseDown(1,0,3,4)", L"MouseUp(1,0,3,4)", L"Click"}));
  // The middle button: a right release would open the text box's own context menu.
  box.DeliverMouse(MouseAction::Move, 0, 0, 5, 6);
  box.DeliverMouse(MouseAction::Down, 4, 0, 5, 6);
  box.DeliverMouse(MouseAction::Up, 4, 0, 5, 6);
  EXPECT_EQ(Described(), (std::vector<std::wstring>{L"MouseMove(0,0,5,6)", L"MouseDown(4,0,5,6)",
                                                    L"MouseUp(4,0,5,6)"}));
  box.DeliverMouse(MouseAction::DblClick, mouse_button::Left, 0, 3, 4);
  EXPECT_EQ(Described(), std::vector<std::wstring>{L"DblClick"});
}

TEST_P(MouseEventsTest, AClickOnTheFrameRaisesOneClick) {
  Control().UserControl().DeliverMouse(MouseAction::Click, 0, 0, 0, 0);
  EXPECT_EQ(Described(), std::vector<std::wstring>{L"Click"});
  Control().UserControl().DeliverMouse(MouseAction::DblClick, 0, 0, 0, 0);
  EXPECT_EQ(Described(), std::vector<std::wstring>{L"DblClick"});
}

TEST_P(MouseEventsTest, TheTextBoxMouseDoesNotChangeTheText) {
  Control().SetValue(L(L"12.5"));
  Control().Text1().DeliverMouse(MouseAction::Down, mouse_button::Left, 0, 1, 1);
  Control().Text1().DeliverMouse(MouseAction::Up, mouse_button::Left, 0, 1, 1);
  EXPECT_EQ(Text(), L(L"12.50"));
}

TEST_P(MouseEventsTest, APressOnASpinButtonStepsOnceAndTheReleaseRaisesButtonSpin) {
  Control().UserControl().SetExtent(120, 21);
  Control().PutProperty(L"ButtonSpin", true);
  Control().SetValue(L(L"5"));
  platform_->Container().events.clear();
  Control().Up().DeliverMouse(MouseAction::Down, mouse_button::Left, 0, 2, 2);
  Control().Up().DeliverMouse(MouseAction::Up, mouse_button::Left, 0, 2, 2);
  Control().Down().DeliverMouse(MouseAction::Down, mouse_button::Right, 0, 2, 2);
  EXPECT_EQ(Described(), (std::vector<std::wstring>{L"Change", L"ButtonSpin"}));
  EXPECT_EQ(Control().Value(), L"6");
  Control().Down().DeliverMouse(MouseAction::DblClick, mouse_button::Left, 0, 2, 2);
  Control().Down().DeliverMouse(MouseAction::Up, mouse_button::Left, 0, 2, 2);
  EXPECT_EQ(Control().Value(), L"5");
}

KOVRA_RUN_ON_TEST_LOCALES(MouseEventsTest);

}  // namespace
}  // namespace kovra::test
