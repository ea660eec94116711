#include "tests/ocx/resource_expectations.h"

#include <gtest/gtest.h>

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

}  // namespace kovra::ocx_test
