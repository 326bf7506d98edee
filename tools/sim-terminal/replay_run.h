// The test as the terminal runs it: feeds the tester real time at the slider's speed, follows
// the pause and stop buttons, repaints the replayed chart when something on it changed, and at
// the end shows the summary, writes the trades file and tells the journal.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "practice/tester.h"

namespace pelmora::sim_terminal {

class ChartArea;
class Journal;
class SummaryPane;
class TesterBar;

class ReplayRun {
 public:
  struct Parts {
    practice::Tester& tester;
    Journal& journal;
    TesterBar& bar;
    ChartArea& charts;  // the first chart replays
    SummaryPane& summary;
    std::filesystem::path trades_file;
  };

  // Gives the first price at once, so that the chart and the expert have a quote from the start.
  explicit ReplayRun(Parts parts);
  ReplayRun(const ReplayRun&) = delete;
  ReplayRun& operator=(const ReplayRun&) = delete;

  // One beat of the replay timer.
  void on_timer();
  // Ends the test once, whatever ended it (the stop button, the history's end, the terminal
  // closing): open orders close at the current price, and the summary, the trades file and the
  // journal follow. Later calls do nothing.
  void finish();
  bool finished() const { return finished_; }
  std::int64_t ticks() const { return ticks_; }

 private:
  void tell_closed(const std::vector<practice::ClosedTrade>& trades);
  bool orders_changed();

  Parts parts_;
  std::chrono::steady_clock::time_point last_beat_;
  std::chrono::steady_clock::time_point last_repaint_;
  bool chart_behind_ = false;  // the chart does not show the latest price or orders yet
  std::int64_t ticks_ = 0;
  bool finished_ = false;
  std::vector<practice::Order> drawn_orders_;  // the open orders as the chart last showed them
};

}  // namespace pelmora::sim_terminal
