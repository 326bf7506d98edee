// The replay: walks the history tick by tick. Inside each bar the price goes open, the nearer
// extreme, the other extreme, close, in a few steps per leg; the speed turns real time into
// ticks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "history.h"

namespace pelmora::practice {

struct Quote {
  Price bid = 0, ask = 0;
};

struct Tick {
  Quote quote;
  std::int64_t time = 0;   // the bar's time
  std::size_t bar = 0;     // index of the bar the tick belongs to
  bool opens_bar = false;  // the first tick of its bar
  bool gap = false;        // opens a bar away from the previous bar's close: the price jumped
};

// The bids a bar's price passes through, open first and close last, `steps_per_leg` steps per
// leg (consecutive repeats dropped). The nearer extreme to the open comes first; on a tie, the
// low for a rising bar and the high for a falling one, and a flat bar (close equal to open)
// goes as a rising one: open, low, high, close.
std::vector<Price> bar_path(const Bar& bar, int steps_per_leg = 2);

// Ticks per second of real time at a slider position 0..32 (32 the fastest); rising with the
// position. Positions outside 0..32 are clamped. 0.5 at 0, 4 at 16 (trading by hand), about
// 90 at 24 and 2000 at 32 (the bundled series in under a minute).
double ticks_per_second(int speed);

class Replay {
 public:
  explicit Replay(History history, int steps_per_leg = 2);

  const History& history() const { return history_; }
  // Starts again at bar `first` (clamped to the history): the bars before it count as completed,
  // the context a test that starts at a date shows.
  void rewind(std::size_t first);
  std::size_t first_bar() const { return first_; }
  // The next tick, or nothing at the end of the history.
  std::optional<Tick> next_tick();
  // How many ticks are due after `elapsed_ms` of real time at `speed`; keeps the fraction.
  // At most one second counts per call, so that a stalled caller does not make the replay leap.
  int ticks_due(double elapsed_ms, int speed);
  bool finished() const;
  // The latest tick given; nothing before the first.
  const std::optional<Tick>& current() const { return current_; }
  // Bars completed so far, and the bar being formed (open, extremes and close so far).
  std::size_t completed_bars() const;
  std::optional<Bar> forming_bar() const;

 private:
  History history_;
  int steps_per_leg_;
  std::size_t first_ = 0;
  std::size_t bar_ = 0;
  std::vector<Price> path_;
  std::size_t step_ = 0;
  std::optional<Tick> current_;
  std::optional<Bar> forming_;
  double due_ = 0;
};

}  // namespace pelmora::practice
