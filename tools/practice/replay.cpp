// The replay: each bar's price path, tick by tick, at a pace set by the speed slider.
#include "replay.h"

#include <algorithm>
#include <cmath>

namespace pelmora::practice {

namespace {

constexpr int kFastest = 32;
// A stall of the caller (a dragged window, a busy machine) must not make the replay leap.
constexpr double kMaxElapsedMs = 1000;

// Rounds a / b half away from zero, b > 0.
Price rounded_div(Price a, Price b) {
  return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

}  // namespace

std::vector<Price> bar_path(const Bar& bar, int steps_per_leg) {
  const int steps = std::max(steps_per_leg, 1);
  const Price to_low = bar.open - bar.low, to_high = bar.high - bar.open;
  const bool low_first = to_low < to_high || (to_low == to_high && bar.close >= bar.open);
  const Price corners[] = {bar.open, low_first ? bar.low : bar.high, low_first ? bar.high : bar.low,
                           bar.close};
  std::vector<Price> path{bar.open};
  for (int leg = 0; leg < 3; ++leg) {
    const Price from = corners[leg], to = corners[leg + 1];
    for (int k = 1; k <= steps; ++k) {
      const Price price = from + rounded_div((to - from) * k, steps);
      if (price != path.back()) path.push_back(price);
    }
  }
  return path;
}

double ticks_per_second(int speed) {
  const double position = std::clamp(speed, 0, kFastest);
  // Slow and tradeable by hand up to the middle (0.5 to 4 ticks a second), then steeply up to
  // about 2000 a second, a whole history in well under a minute.
  if (position <= 16) return 0.5 * std::pow(8.0, position / 16);
  return 4 * std::pow(500.0, (position - 16) / 16);
}

Replay::Replay(History history, int steps_per_leg)
    : history_(std::move(history)), steps_per_leg_(steps_per_leg) {}

void Replay::rewind(std::size_t first) {
  first_ = bar_ = std::min(first, history_.bars.size());
  step_ = 0;
  path_.clear();
  current_.reset();
  forming_.reset();
  due_ = 0;
}

std::optional<Tick> Replay::next_tick() {
  if (finished()) return std::nullopt;
  const Bar& bar = history_.bars[bar_];
  if (step_ == 0) path_ = bar_path(bar, steps_per_leg_);
  Tick tick;
  const Price bid = path_[step_];
  tick.quote = {bid, bid + history_.instrument.spread};
  tick.time = bar.time;
  tick.bar = bar_;
  tick.opens_bar = step_ == 0;
  tick.gap = tick.opens_bar && bar_ > 0 && bar.open != history_.bars[bar_ - 1].close;
  if (tick.opens_bar) {
    forming_ = Bar{bar.time, bid, bid, bid, bid, 0};
  } else {
    forming_->high = std::max(forming_->high, bid);
    forming_->low = std::min(forming_->low, bid);
    forming_->close = bid;
  }
  // The bar's volume builds up over its ticks (divided first: a file's volume may be huge).
  const auto ticks = static_cast<std::int64_t>(path_.size());
  forming_->volume = step_ + 1 == path_.size()
                         ? bar.volume
                         : bar.volume / ticks * static_cast<std::int64_t>(step_ + 1);
  if (++step_ == path_.size()) {
    step_ = 0;
    ++bar_;
    forming_.reset();
  }
  current_ = tick;
  return tick;
}

int Replay::ticks_due(double elapsed_ms, int speed) {
  if (!(elapsed_ms > 0)) return 0;
  due_ += std::min(elapsed_ms, kMaxElapsedMs) / 1000 * ticks_per_second(speed);
  const double whole = std::floor(due_);
  due_ -= whole;
  return static_cast<int>(whole);
}

bool Replay::finished() const {
  return bar_ >= history_.bars.size();
}

std::size_t Replay::completed_bars() const {
  return bar_;
}

std::optional<Bar> Replay::forming_bar() const {
  return forming_;
}

}  // namespace pelmora::practice
