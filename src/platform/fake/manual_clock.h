// Timers on a manual clock: a test advances time and the due timers fire in order, as they
// would on the user-interface thread.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/controls.h"
#include "platform/fake/handler_caller.h"

namespace pelmora::platform::fake {

class ManualClock;

class FakeTimer : public Timer {
 public:
  FakeTimer(ManualClock& clock, int interval_ms, bool enabled);
  bool enabled() const override { return enabled_; }
  void set_enabled(bool on) override;
  int interval_ms() const override { return interval_ms_; }
  void set_interval_ms(int ms) override;
  void set_on_tick(Handler handler) override { on_tick_ = std::move(handler); }

  int ticks() const { return ticks_; }
  // Where the failures of the tick handler show (see HandlerCaller).
  void report_failures_to(MessageBoxes& boxes) { call_.report_to(&boxes); }

 private:
  friend class ManualClock;
  void restart();

  ManualClock& clock_;
  int interval_ms_;
  bool enabled_;
  int64_t due_ms_ = 0;
  Handler on_tick_;
  HandlerCaller call_;
  int ticks_ = 0;
};

class ManualClock {
 public:
  int64_t now_ms() const { return now_ms_; }
  // Creates a timer owned by the clock; the reference stays valid for the clock's life.
  FakeTimer& make_timer(int interval_ms, bool enabled);
  // Moves time forward, firing each due tick in time order (a tick may change timers).
  void advance(int64_t ms);

 private:
  int64_t now_ms_ = 0;
  std::vector<std::unique_ptr<FakeTimer>> timers_;
};

}  // namespace pelmora::platform::fake
