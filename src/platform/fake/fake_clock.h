// The time for native tests, read off the manual clock the timers run on: the steady count is
// the clock's milliseconds, the local time a fixed morning plus them.
#pragma once

#include "platform/clock.h"
#include "platform/fake/manual_clock.h"

namespace pelmora::platform::fake {

class FakeClock final : public Clock {
 public:
  // The local time at the clock's 0.
  static constexpr LocalTime kStart{2026, 1, 5, 9, 30, 0, 0};

  explicit FakeClock(const ManualClock& clock) : clock_(clock) {}
  // Days past the start are added to the day of the month; tests stay within January.
  LocalTime local_now() const noexcept override {
    std::int64_t ms = clock_.now_ms() + ((kStart.hour * 60 + kStart.minute) * 60LL) * 1000;
    LocalTime t = kStart;
    t.millisecond = static_cast<int>(ms % 1000);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.hour = static_cast<int>(ms / 3600000 % 24);
    t.day += static_cast<int>(ms / 86400000);
    return t;
  }
  std::int64_t steady_ms() const noexcept override { return clock_.now_ms(); }

 private:
  const ManualClock& clock_;
};

}  // namespace pelmora::platform::fake
