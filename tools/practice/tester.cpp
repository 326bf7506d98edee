// One practice test: replay, order book and state together.
#include "tester.h"

namespace pelmora::practice {

Tester::Tester(History history)
    : replay_(std::move(history)), book_(replay_.history().instrument) {}

Tester::Advance Tester::advance(double elapsed_ms, int speed) {
  if (paused_ || stopped_) return {};
  return replay_ticks(replay_.ticks_due(elapsed_ms, speed));
}

Tester::Advance Tester::step() {
  if (stopped_) return {};
  return replay_ticks(1);
}

Tester::Advance Tester::replay_ticks(int count) {
  Advance advance;
  for (int i = 0; i < count; ++i) {
    const auto tick = replay_.next_tick();
    if (tick) {
      ++advance.ticks;
      auto closed = book_.on_tick(*tick);
      advance.closed.insert(advance.closed.end(), closed.begin(), closed.end());
    }
    if (replay_.finished()) {
      auto closed = stop();
      advance.closed.insert(advance.closed.end(), closed.begin(), closed.end());
      advance.stopped = true;
      break;
    }
  }
  return advance;
}

std::vector<ClosedTrade> Tester::stop() {
  if (stopped_) return {};
  stopped_ = true;
  const auto& tick = replay_.current();
  if (!tick) return {};
  return book_.close_all(tick->quote, tick->time, CloseReason::test_end);
}

CommandOutcome Tester::carry_out(std::string_view command) {
  if (stopped_) return {false, "refused: the test is stopped", {}};
  const auto& tick = replay_.current();
  if (!tick) return {false, "refused: the test has not started", {}};
  return practice::carry_out(command, book_, tick->quote, tick->time);
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
