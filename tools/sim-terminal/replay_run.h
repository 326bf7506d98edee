// The test as the terminal runs it: real time fed to the tester at the slider's speed, the pause
// and stop buttons followed, a bar stepped while paused, the chart, time and account kept up to
// date; at the end the summary with its curve, the trades and curve files and the journal.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "practice/tester.h"
#include "run_files.h"

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
    RunFiles files;  // the trades file and the curve's picture
  };

  // Gives the first price at once, so that the chart and the expert have a quote from the start.
  explicit ReplayRun(Parts parts);
  ReplayRun(const ReplayRun&) = delete;
  ReplayRun& operator=(const ReplayRun&) = delete;

  // One beat of the replay timer.
  void on_timer();
  // One bar at once (the step button, F12); refused with a line in the tester bar unless the
  // test is paused. True when a bar was stepped.
  bool step_bar();
  // Ends the test once, whatever ended it (the stop button, the history's end, the chart or the
  // terminal closing): open orders close at the current price, and the summary, the trades
  // file, the curve and the journal follow. Later calls do nothing.
  void finish();
  bool finished() const { return finished_; }
  std::int64_t ticks() const { return ticks_; }

 private:
  void tell(const practice::Tester::Advance& advance);
  void show_now(std::chrono::steady_clock::time_point now, bool at_once);
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
