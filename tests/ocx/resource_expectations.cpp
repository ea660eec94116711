#include "tests/ocx/resource_expectations.h"

#include <gtest/gtest.h>

#include "tests/ocx/control_client.h"

namespace kovra::ocx_test {

void ExpectSameHandles(const ProcessResources& before, const ProcessResources& after) {
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.userObjects, before.userObjects);
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
}

void ExpectNothingLeft(const ProcessResources& before, const ProcessResources& after,
                       std::size_t heapSlack) {
  ExpectSameHandles(before, after);
  EXPECT_LT(after.heapBytes, before.heapBytes + heapSlack)
      << "heap in use grew from " << before.heapBytes << " to " << after.heapBytes;
}

void ExpectLivesLeaveNothing(int lives, const std::function<void(int life)>& live,
                             std::size_t heapSlack) {
  PumpMessages();
  const ProcessResources before = MeasureProcessResources();
  for (int life = 0; life < lives; ++life) {
    live(life);
    if (::testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "life " << life << " failed";
      return;
    }
  }
  PumpMessages();
  const ProcessResources after = MeasureProcessResources();
  ExpectNothingLeft(before, after, heapSlack);
  EXPECT_EQ(LibraryCanUnloadNow(), S_OK);
}

}  // namespace kovra::ocx_test
