// The price path inside a bar, the replay's ticks and its pace.
#include <gtest/gtest.h>

#include "replay.h"

namespace pelmora::practice {
namespace {

TEST(BarPath, GoesOpenNearerExtremeOtherExtremeClose) {
  const std::tuple<Bar, int, std::vector<Price>> cases[] = {
      {{0, 100, 110, 95, 108}, 1, {100, 95, 110, 108}},
      {{0, 100, 110, 95, 108}, 2, {100, 97, 95, 103, 110, 109, 108}},
      {{0, 100, 105, 95, 98}, 1, {100, 105, 95, 98}},    // tie, falling: high first
      {{0, 100, 105, 95, 102}, 1, {100, 95, 105, 102}},  // tie, rising: low first
      {{0, 100, 105, 95, 100}, 1, {100, 95, 105, 100}},  // tie, flat: as rising
      {{0, 100, 100, 90, 95}, 1, {100, 90, 95}},         // opens at the high
      {{0, 100, 100, 100, 100}, 3, {100}}};
  for (const auto& [bar, steps, path] : cases) {
    EXPECT_EQ(bar_path(bar, steps), path) << bar.open << " " << bar.close << " " << steps;
  }
}

TEST(Replay, GivesEachBarsPathWithItsTimeAndMarksGaps) {
  History history;
  history.instrument.spread = 3;
  history.bars = {
      {600, 100, 104, 99, 102, 8}, {900, 102, 106, 101, 105, 0}, {1200, 108, 109, 108, 109, 0}};
  Replay replay(history, 1);
  std::string seen;  // the bids, a bar per group, '*' before a gap
  while (auto tick = replay.next_tick()) {
    EXPECT_EQ(tick->quote.ask, tick->quote.bid + 3);
    EXPECT_EQ(tick->time, history.bars[tick->bar].time);
    seen += std::string(tick->opens_bar && tick->bar > 0 ? " |" : "") + (tick->gap ? " *" : " ") +
            std::to_string(tick->quote.bid);
    if (tick->bar == 0 && tick->quote.bid == 104) {  // the high, mid-bar
      EXPECT_EQ(replay.completed_bars(), 0u);
      const Bar forming = *replay.forming_bar();
      EXPECT_EQ((std::vector<Price>{forming.open, forming.high, forming.low, forming.close}),
                (std::vector<Price>{100, 104, 99, 104}));
    }
  }
  EXPECT_EQ(seen, " 100 99 104 102 | 102 101 106 105 | *108 109");
  EXPECT_TRUE(replay.finished() && !replay.forming_bar());
  EXPECT_EQ(replay.completed_bars(), 3u);
  EXPECT_EQ(replay.current()->quote.bid, 109);
}

TEST(Replay, PaceRisesWithTheSpeedAndKeepsTheFraction) {
  for (int speed = 0; speed < 32; ++speed) {
    EXPECT_LT(ticks_per_second(speed), ticks_per_second(speed + 1));
  }
  EXPECT_LE(ticks_per_second(0), 1);
  EXPECT_TRUE(ticks_per_second(16) >= 2 && ticks_per_second(16) <= 10);
  EXPECT_GE(ticks_per_second(32), 1000);
  EXPECT_EQ(ticks_per_second(40), ticks_per_second(32));
  Replay replay(History{});
  const double per_tick_ms = 1000 / ticks_per_second(16);
  int ticks = 0;
  for (int i = 0; i < 40; ++i) ticks += replay.ticks_due(per_tick_ms / 4, 16);
  EXPECT_EQ(ticks, 10);
  EXPECT_EQ(replay.ticks_due(-5, 32) + replay.ticks_due(0, 32), 0);
}

}  // namespace
}  // namespace pelmora::practice
