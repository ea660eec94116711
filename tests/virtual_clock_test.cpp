// The virtual clock: ticks fire exactly when due, in time order, and only while enabled.
#include "platform/headless/virtual_clock.h"

#include <gtest/gtest.h>

#include <string>

namespace kovra::headless {
namespace {

using std::chrono::milliseconds;

TEST(VirtualClock, ATimerTicksOncePerIntervalWhileEnabled) {
  VirtualClock clock;
  auto timer = clock.CreateTimer();
  int ticks = 0;
  timer->SetHandler([&] { ++ticks; });
  timer->SetInterval(70);
  clock.Advance(milliseconds(1000));
  EXPECT_EQ(ticks, 0) << "a timer starts disabled";
  timer->SetEnabled(true);
  clock.Advance(milliseconds(69));
  EXPECT_EQ(ticks, 0);
  clock.Advance(milliseconds(1));
  EXPECT_EQ(ticks, 1);
  clock.Advance(milliseconds(930));
  EXPECT_EQ(ticks, 14);
  timer->SetEnabled(false);
  clock.Advance(milliseconds(1000));
  EXPECT_EQ(ticks, 14);
}

TEST(VirtualClock, TicksFireInTimeOrderAndTiesInCreationOrder) {
  VirtualClock clock;
  std::wstring order;
  auto slow = clock.CreateTimer();
  auto fast = clock.CreateTimer();
  slow->SetHandler([&] { order += L'S'; });
  fast->SetHandler([&] { order += L'f'; });
  slow->SetInterval(100);
  fast->SetInterval(50);
  slow->SetEnabled(true);
  fast->SetEnabled(true);
  clock.Advance(milliseconds(200));
  EXPECT_EQ(order, L"fSffSf");
}

TEST(VirtualClock, AHandlerThatChangesItsTimerTakesEffectAtOnce) {
  VirtualClock clock;
  auto repeat = clock.CreateTimer();
  int ticks = 0;
  // The spin auto-repeat pattern: first after 500 ms, then every 70 ms.
  repeat->SetHandler([&] {
    ++ticks;
    if (repeat->Interval() != 70) repeat->SetInterval(70);
  });
  repeat->SetInterval(500);
  repeat->SetEnabled(true);
  clock.Advance(milliseconds(1000));
  EXPECT_EQ(ticks, 8);  // 500, then 570 … 990
  EXPECT_EQ(clock.Now(), milliseconds(1000));
}

TEST(VirtualClock, AZeroIntervalNeverTicksAndADestroyedTimerIsForgotten) {
  VirtualClock clock;
  int ticks = 0;
  {
    auto timer = clock.CreateTimer();
    timer->SetHandler([&] { ++ticks; });
    timer->SetEnabled(true);
    clock.Advance(milliseconds(100));
  }
  clock.Advance(milliseconds(100));
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace kovra::headless
