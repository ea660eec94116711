// Text1's drag-and-drop events reach the container with Text1's own variables: a value the
// container's handler changes goes back to Text1 as its answer.
#include <gtest/gtest.h>

#include "control/kovra_double.h"
#include "core/events.h"
#include "platform/headless/headless_platform.h"
#include "tools/script_runner.h"

namespace kovra {
namespace {

class DragEventsTest : public ::testing::Test {
 protected:
  DragEventsTest() : control_(platform_) {
    control_.SetContainer(&platform_.container);
    control_.Initialize();
    control_.InitProperties();
    platform_.container.events.clear();
    box_ = dynamic_cast<headless::HeadlessTextBox*>(&control_.Text1())->Events();
  }
  std::wstring Last() { return tools::DescribeEvent(platform_.container.events.back()); }

  headless::HeadlessPlatform platform_;
  KovraDouble control_;
  TextBoxEvents* box_ = nullptr;
};

TEST_F(DragEventsTest, TheContainersAnswersGoBackToTheTextBox) {
  platform_.container.onEvent = [](int id, std::span<EventArgument> arguments) {
    if (id == event::OLEDragOver) *std::get<std::int32_t*>(arguments[1]) = 0;  // no drop here
    if (id == event::OLEGiveFeedback) *std::get<std::int16_t*>(arguments[1]) = 0;
  };
  DataObject data{{{1, L"12.5"}}};
  std::int32_t effect = 1;
  std::int16_t button = 1, shift = 0, state = 0, cursors = -1;
  float x = 4, y = 5;
  box_->Text1_OLEDragOver(data, effect, button, shift, x, y, state);
  EXPECT_EQ(effect, 0);
  EXPECT_EQ(Last(), L"OLEDragOver(\"12.5\",0,1,0,4,5,0)");
  box_->Text1_OLEGiveFeedback(effect, cursors);
  EXPECT_EQ(cursors, 0);
}

TEST_F(DragEventsTest, TheDragEventsArePassedOnInOrder) {
  DataObject data;
  std::int32_t effect = 2;
  std::int16_t button = 1, shift = 2, format = 1, cursors = -1;
  float x = 1, y = 2;
  box_->Text1_OLEStartDrag(data, effect);
  box_->Text1_OLESetData(data, format);
  box_->Text1_OLEDragDrop(data, effect, button, shift, x, y);
  box_->Text1_OLEGiveFeedback(effect, cursors);
  box_->Text1_OLECompleteDrag(effect);
  std::vector<std::wstring> names;
  for (const auto& e : platform_.container.events) names.emplace_back(event::Name(e.dispatchId));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"OLEStartDrag", L"OLESetData", L"OLEDragDrop",
                                              L"OLEGiveFeedback", L"OLECompleteDrag"}));
  EXPECT_EQ(tools::DescribeEvent(platform_.container.events[2]), L"OLEDragDrop(\"\",2,1,2,1,2)");
}

}  // namespace
}  // namespace kovra
