// The manual clock behind the fake timers.
#include "platform/fake/manual_clock.h"

#include <algorithm>

namespace pelmora::platform::fake {

namespace {
// Windows raises intervals below about 10 ms to its minimum; a zero interval would spin here.
constexpr int kMinimumIntervalMs = 1;
}  // namespace

FakeTimer::FakeTimer(ManualClock& clock, int interval_ms, bool enabled)
    : clock_(clock), interval_ms_(std::max(interval_ms, kMinimumIntervalMs)), enabled_(enabled) {
  restart();
}

void FakeTimer::restart() {
  due_ms_ = clock_.now_ms() + interval_ms_;
}

void FakeTimer::set_enabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (on) restart();
}

void FakeTimer::set_interval_ms(int ms) {
  interval_ms_ = std::max(ms, kMinimumIntervalMs);
  if (enabled_) restart();
}

FakeTimer& ManualClock::make_timer(int interval_ms, bool enabled) {
  timers_.push_back(std::make_unique<FakeTimer>(*this, interval_ms, enabled));
  return *timers_.back();
}

void ManualClock::advance(int64_t ms) {
  const int64_t end = now_ms_ + ms;
  for (;;) {
    FakeTimer* next = nullptr;
    for (auto& timer : timers_) {
      if (timer->enabled_ && timer->due_ms_ <= end && (!next || timer->due_ms_ < next->due_ms_)) {
        next = timer.get();
      }
    }
    if (!next) break;
    now_ms_ = next->due_ms_;
    next->due_ms_ = now_ms_ + next->interval_ms_;
    ++next->ticks_;
    next->call_(next->on_tick_);
  }
  now_ms_ = end;
}

}  // namespace pelmora::platform::fake
