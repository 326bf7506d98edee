// One practice test: replay, order book, account and state together.
#include "tester.h"

namespace pelmora::practice {

Tester::Tester(History history, std::size_t first_bar, double deposit)
    : replay_(std::move(history)),
      book_(replay_.history().instrument),
      deposit_(deposit),
      curve_(deposit) {
  replay_.rewind(first_bar);
}

void Tester::restart() {
  replay_.rewind(replay_.first_bar());
  book_ = OrderBook(replay_.history().instrument);
  curve_ = EquityCurve(deposit_);
  paused_ = false;
  stopped_ = false;
}

Tester::Advance Tester::advance(double elapsed_ms, int speed) {
  if (paused_ || stopped_) return {};
  return replay_ticks(replay_.ticks_due(elapsed_ms, speed));
}

Tester::Advance Tester::step() {
  if (stopped_) return {};
  return replay_ticks(1);
}

Tester::Advance Tester::step_bar() {
  if (stopped_) return {};
  return replay_ticks(0, true);
}

Tester::Advance Tester::replay_ticks(int count, bool whole_bar) {
  Advance advance;
  for (int i = 0; whole_bar || i < count; ++i) {
    const auto tick = replay_.next_tick();
    if (tick) {
      ++advance.ticks;
      auto outcome = book_.on_tick(*tick);
      advance.closed.insert(advance.closed.end(), outcome.closed.begin(), outcome.closed.end());
      advance.trailing.insert(advance.trailing.end(), outcome.trailing.begin(),
                              outcome.trailing.end());
      record();
    }
    if (replay_.finished()) {
      auto closed = stop();
      advance.closed.insert(advance.closed.end(), closed.begin(), closed.end());
      advance.stopped = true;
      break;
    }
    // A bar is done once nothing is forming any more.
    if (whole_bar && !replay_.forming_bar()) break;
  }
  return advance;
}

void Tester::record() {
  if (const auto& tick = replay_.current())
    curve_.record(tick->bar, tick->time, balance(), equity());
}

std::vector<ClosedTrade> Tester::stop() {
  if (stopped_) return {};
  stopped_ = true;
  const auto& tick = replay_.current();
  if (!tick) return {};
  auto closed = book_.close_all(tick->quote, tick->time, CloseReason::test_end);
  record();
  return closed;
}

Summary Tester::summary() const {
  Summary summary = summarise(book_.closed_trades());
  summary.equity_drawdown = curve_.max_drawdown();
  return summary;
}

CommandOutcome Tester::carry_out(std::string_view command) {
  if (stopped_) {
    if (refused_when_stopped_) refused_when_stopped_(command);
    return {false, "refused: the test is stopped", {}};
  }
  const auto& tick = replay_.current();
  if (!tick) return {false, "refused: the test has not started", {}};
  CommandOutcome outcome = practice::carry_out(command, book_, tick->quote, tick->time);
  record();
  return outcome;
}

std::optional<Quote> Tester::quote() const {
  const auto& tick = replay_.current();
  if (!tick) return std::nullopt;
  return tick->quote;
}

std::int64_t Tester::time() const {
  const auto& tick = replay_.current();
  return tick ? tick->time : 0;
}

}  // namespace pelmora::practice
