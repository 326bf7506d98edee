// The manual clock must fire timers the way the UI thread would, or every timed test lies.
#include <gtest/gtest.h>

#include "platform/fake/manual_clock.h"

namespace pelmora::platform::fake {
namespace {

TEST(ManualClock, FiresDueTicksInTimeOrderAndHonoursChangesMadeInsideATick) {
  ManualClock clock;
  FakeTimer& slow = clock.make_timer(300, true);
  FakeTimer& fast = clock.make_timer(200, true);
  std::vector<char> order;
  slow.set_on_tick([&] {
    order.push_back('s');
    fast.set_interval_ms(10);
  });
  fast.set_on_tick([&] { order.push_back('f'); });

  clock.advance(320);
  // 200: fast; 300: slow (fast becomes 10 ms from 300): 310, 320.
  EXPECT_EQ(order, (std::vector<char>{'f', 's', 'f', 'f'}));
  EXPECT_EQ(clock.now_ms(), 320);
}

}  // namespace
}  // namespace pelmora::platform::fake
