// One practice test: the replay, the expert's order book, the account and the test's state
// (running, paused, stopped) together, so that the terminal's windows only show it and feed it
// time and commands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "equity_curve.h"
#include "expert_commands.h"
#include "order_book.h"
#include "replay.h"
#include "summary.h"

namespace pelmora::practice {

inline constexpr double kDefaultDeposit = 10000;

class Tester {
 public:
  // The test starts at bar `first_bar` (the bars before it are context) with `deposit` money.
  explicit Tester(History history, std::size_t first_bar = 0, double deposit = kDefaultDeposit);

  struct Advance {
    int ticks = 0;                        // ticks replayed
    std::vector<ClosedTrade> closed;      // closed by stop-loss or take-profit on the way
    std::vector<TrailingStart> trailing;  // trailing stops that started on the way
    bool stopped = false;                 // the history ran out: the test stopped (see stop())
  };
  // When the history runs out, `closed` also holds the orders stop() closed at its end
  // (reason test_end), so that every closed trade is reported once.
  // Replays the ticks due after `elapsed_ms` of real time at slider position `speed` (1..32);
  // nothing while paused or stopped. At the end of the history the test stops by itself.
  Advance advance(double elapsed_ms, int speed);
  // One tick now, whatever the speed (also before the first advance); nothing when stopped.
  Advance step();
  // The rest of the bar being formed now, or the next whole bar when none is, at once, levels
  // and trailing stops included; paused or not; nothing when stopped.
  Advance step_bar();
  // A new test of the same history from the same first bar: a new book, the deposit again,
  // running. The first tick comes with the next step or advance.
  void restart();

  void set_paused(bool paused) { paused_ = paused; }
  bool paused() const { return paused_; }
  // Ends the test once: open orders close at the current price (reason test_end). Later calls
  // change nothing. Gives the trades closed now.
  std::vector<ClosedTrade> stop();
  bool stopped() const { return stopped_; }
  Summary summary() const;

  // Carries out a panel command at the current quote and time; refused with a reason before
  // the first tick and after the test stopped (then also told to `refused_when_stopped`).
  CommandOutcome carry_out(std::string_view command);
  void set_refused_when_stopped(std::function<void(std::string_view command)> handler) {
    refused_when_stopped_ = std::move(handler);
  }

  const Replay& replay() const { return replay_; }
  const OrderBook& book() const { return book_; }
  const Instrument& instrument() const { return replay_.history().instrument; }
  // The current quote and bar time; nothing before the first tick.
  std::optional<Quote> quote() const;
  std::int64_t time() const;

  double deposit() const { return deposit_; }
  double balance() const { return deposit_ + book_.closed_money(); }
  double equity() const { return balance() + book_.floating(); }
  const EquityCurve& curve() const { return curve_; }

 private:
  Advance replay_ticks(int count, bool whole_bar = false);
  void record();

  Replay replay_;
  OrderBook book_;
  double deposit_;
  EquityCurve curve_;
  bool paused_ = false;
  bool stopped_ = false;
  std::function<void(std::string_view)> refused_when_stopped_;
};

}  // namespace pelmora::practice
