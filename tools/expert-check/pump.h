// The checker's one thread: it runs the message loop while the checks wait, so that the expert's
// writes reach the fields, and beats the panel side's link tick every 10 ms and the chart watch
// every 300 ms, as the panel's timers would.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link_watch.h"

namespace pelmora::expert_check {

class Pump {
 public:
  struct Beats {
    std::function<void()> link_tick;
    // Why the run ends now (the chart closed, say), or nothing.
    std::function<std::optional<std::string>()> chart_watch;
  };

  explicit Pump(Beats beats) : beats_(std::move(beats)) {}

  // Runs until `done` holds (true), `timeout` passes or the run ends (false).
  bool until(const std::function<bool()>& done, Clock::duration timeout);
  void wait(Clock::duration duration) {
    until([] { return false; }, duration);
  }
  // Runs until the run ends.
  void until_end();

  bool ending() const { return end_.has_value(); }
  // Why the run ended.
  const std::string& end_reason() const { return *end_; }

 private:
  void beat();

  Beats beats_;
  Clock::time_point next_link_tick_{};
  Clock::time_point next_chart_watch_{};
  std::optional<std::string> end_;
};

}  // namespace pelmora::expert_check
