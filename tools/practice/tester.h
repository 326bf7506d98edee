// One practice test: the replay, the expert's order book and the test's state (running,
// paused, stopped) together, so that the terminal's windows only show it and feed it time and
// commands.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "expert_commands.h"
#include "order_book.h"
#include "replay.h"
#include "summary.h"

namespace pelmora::practice {

class Tester {
 public:
  explicit Tester(History history);

  struct Advance {
    int ticks = 0;                    // ticks replayed
    std::vector<ClosedTrade> closed;  // closed by stop-loss or take-profit on the way
    bool stopped = false;             // the history ran out: the test stopped (see stop())
  };
  // When the history runs out, `closed` also holds the orders stop() closed at its end
  // (reason test_end), so that every closed trade is reported once.
  // Replays the ticks due after `elapsed_ms` of real time at slider position `speed` (0..32);
  // nothing while paused or stopped. At the end of the history the test stops by itself.
  Advance advance(double elapsed_ms, int speed);
  // One tick now, whatever the speed (also before the first advance); nothing when stopped.
  Advance step();

  void set_paused(bool paused) { paused_ = paused; }
  bool paused() const { return paused_; }
  // Ends the test once: open orders close at the current price (reason test_end). Later calls
  // change nothing. Gives the trades closed now.
  std::vector<ClosedTrade> stop();
  bool stopped() const { return stopped_; }
  Summary summary() const { return summarise(book_.closed_trades()); }

  // Carries out a panel command at the current quote and time; refused with a reason before
  // the first tick and after the test stopped.
  CommandOutcome carry_out(std::string_view command);

  const Replay& replay() const { return replay_; }
  const OrderBook& book() const { return book_; }
  const Instrument& instrument() const { return replay_.history().instrument; }
  // The current quote and bar time; nothing before the first tick.
  std::optional<Quote> quote() const;
  std::int64_t time() const;

 private:
  Advance replay_ticks(int count);

  Replay replay_;
  OrderBook book_;
  bool paused_ = false;
  bool stopped_ = false;
};

}  // namespace pelmora::practice
