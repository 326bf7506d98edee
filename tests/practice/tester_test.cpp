// The test as a whole, the handshake and the closing figures.
#include <gtest/gtest.h>

#include "handshake.h"
#include "tester.h"

namespace pelmora::practice {
namespace {

// Paths (bids, two steps a leg): 1.00000 0.99995 0.99990 1.00020 1.00050 1.00045 1.00040,
// then 1.00040 1.00035 1.00030 1.00115 1.00200 1.00175 1.00150, then a gap: 1.00300 1.00275
// 1.00250 1.00255 1.00260. The ask is 2 points above.
History three_bars() {
  History history;
  history.instrument.spread = 2;
  history.bars = {{0, 100000, 100050, 99990, 100040},
                  {300, 100040, 100200, 100030, 100150},
                  {600, 100300, 100300, 100250, 100260}};
  return history;
}

TEST(Tester, ReplaysTradesHitsLevelsAndStops) {
  Tester tester(three_bars());
  EXPECT_EQ(tester.carry_out("CLOSE_ALL;;;;").result, "refused: the test has not started");
  EXPECT_EQ(tester.step().ticks, 1);
  for (const char* command : {"OPEN_BUY;0.10;;;", "OPEN_SELL;0.20;;;", "OPEN_BUY;0.01;;;",
                              "SET_TP_SL;1001 ;;1.00100;", "SET_TP_SL;1002 ;1.00280;;"}) {
    EXPECT_TRUE(tester.carry_out(command).done) << command;
  }
  tester.set_paused(true);
  EXPECT_EQ(tester.advance(1000, 32).ticks, 0);
  tester.set_paused(false);
  const Tester::Advance advance = tester.advance(5000, 32);
  EXPECT_EQ(advance.ticks, 18);
  EXPECT_TRUE(advance.stopped && tester.stopped());
  std::vector<std::tuple<std::int64_t, CloseReason, Price>> closed;
  for (const ClosedTrade& trade : advance.closed) {
    closed.emplace_back(trade.order.ticket, trade.reason, trade.close_price);
  }
  EXPECT_EQ(closed, (decltype(closed){{1001, CloseReason::take_profit, 100100},
                                      {1002, CloseReason::stop_loss, 100302},
                                      {1003, CloseReason::test_end, 100260}}));
  EXPECT_EQ(tester.carry_out("OPEN_BUY;0.10;;;").result, "refused: the test is stopped");
  EXPECT_TRUE(tester.stop().empty());
  EXPECT_EQ(tester.step().ticks, 0);
  const std::string csv = trades_csv(tester.book().closed_trades(), tester.instrument());
  const size_t first = csv.find('\n') + 1;  // the trade after the header line
  EXPECT_EQ(csv.substr(first, csv.find('\n', first) + 1 - first),
            "1001,buy,0.10,1970-01-01 00:00:00,1.00002,1970-01-01 00:05:00,1.00100,,1.00100,"
            "take-profit,98,9.80\n");
}

TEST(Tester, StepsWholeBarsAndCountsOpenTradesInTheEquityDrawdown) {
  Tester tester(three_bars());
  tester.step();
  tester.set_paused(true);
  for (const char* command : {"OPEN_BUY;1.00;;;", "SET_TP_SL;1001 ;;1.00040;"}) {
    EXPECT_TRUE(tester.carry_out(command).done) << command;  // a buy at the ask 1.00002
  }
  EXPECT_EQ(tester.carry_out("SET_TSL;1001 ;20;;").result,
            "#1001: trailing stop 20 points, starts once the price is 20 points in profit "
            "(stop-loss none)");
  // The rest of the first bar at once, paused or not: down to -12 points, then up through
  // 1.00022, where the trailing stop starts, and the take-profit at 1.00040.
  Tester::Advance step = tester.step_bar();
  EXPECT_EQ(step.ticks, 6);
  ASSERT_EQ(step.trailing.size(), 1u);
  EXPECT_EQ(step.trailing[0].stop_loss, 100030);
  ASSERT_EQ(step.closed.size(), 1u);
  EXPECT_EQ(step.closed[0].reason, CloseReason::take_profit);
  EXPECT_EQ(step.closed[0].close_price, 100040);
  EXPECT_EQ(tester.step_bar().ticks, 7);  // the second bar whole
  EXPECT_EQ(tester.replay().completed_bars(), 2u);
  EXPECT_TRUE(tester.carry_out("OPEN_SELL;0.50;;;").done);  // at the bid 1.00150
  // The last bar gaps up: the open sell is 152 points down at once (76.00 below the peak
  // 10,038.00), closes at the end 112 points down.
  EXPECT_TRUE(tester.step_bar().stopped);
  Summary summary = tester.summary();
  EXPECT_DOUBLE_EQ(summary.net_money, 38 - 56);
  EXPECT_DOUBLE_EQ(summary.max_drawdown, 56);
  EXPECT_DOUBLE_EQ(summary.equity_drawdown, 76);
  EXPECT_DOUBLE_EQ(tester.balance(), 9982);

  tester.restart();
  EXPECT_FALSE(tester.stopped());
  EXPECT_TRUE(tester.book().closed_trades().empty());
  EXPECT_EQ(tester.summary().equity_drawdown, 0);
  EXPECT_EQ(tester.step().ticks, 1);
  EXPECT_DOUBLE_EQ(tester.equity(), 10000);

  // A test from the second bar: the first is context, already completed.
  Tester from(three_bars(), 1);
  from.step();
  EXPECT_EQ(from.replay().current()->bar, 1u);
  EXPECT_EQ(from.replay().completed_bars(), 1u);
}

// A trade that ends even counts as a trade, not as a win; the drawdown is the largest fall of
// the balance from a peak.
TEST(Summary, FiguresOfTheClosedTrades) {
  std::vector<ClosedTrade> trades;
  for (double money : {10.0, 0.0, -5.0, -20.0, 30.0, -3.0}) {
    trades.emplace_back().money = money;
    trades.back().points = static_cast<Price>(money * 10);
  }
  const Summary summary = summarise(trades);
  EXPECT_EQ(summary.trades, 6);
  EXPECT_EQ(summary.net_points, 120);
  EXPECT_DOUBLE_EQ(summary.net_money, 12);
  EXPECT_DOUBLE_EQ(summary.win_rate, 2.0 / 6);
  EXPECT_DOUBLE_EQ(summary.max_drawdown, 25);
  EXPECT_DOUBLE_EQ(*summary.profit_factor, 40.0 / 28);
  EXPECT_DOUBLE_EQ(summary.average_win, 20);
  EXPECT_DOUBLE_EQ(summary.average_loss, -28.0 / 3);
  EXPECT_DOUBLE_EQ(summary.largest_win, 30);
  EXPECT_DOUBLE_EQ(summary.largest_loss, -20);
  EXPECT_EQ(summary.longest_losing_streak, 2);
  EXPECT_EQ(summarise({}).win_rate, 0);
  EXPECT_FALSE(summarise({}).profit_factor);
}

TEST(ExpertHandshake, TakesEachCommandOnceEvenWhenTheNextIsTheSame) {
  // OUT_COMMAND, IN_READ_COMMAND, whether the command is taken, whether it is then acknowledged.
  const std::tuple<const char*, const char*, bool, bool> steps[] = {
      {"", "", false, false},
      {"CLOSE;1 ;;;", "", true, false},
      {"CLOSE;1 ;;;", "", false, false},  // not acknowledged yet
      {"CLOSE;1 ;;;", "WAIT", false, true},
      {"CLOSE;1 ;;;", "READ_OK", false, false},
      {"", "", false, false},
      {"CLOSE;1 ;;;", "", true, true},                // the same text again: a new command
      {"OPEN_BUY;0.10;;;", "READ_OK", false, false},  // the panel clears this one too
      {"OPEN_BUY;0.10;;;", "", true, false}};
  ExpertHandshake handshake;
  for (const auto& [out_command, read_command, taken, acknowledge] : steps) {
    EXPECT_EQ(handshake.poll(out_command, read_command),
              taken ? std::optional<std::string>(out_command) : std::nullopt)
        << out_command << " / " << read_command;
    if (acknowledge) handshake.acknowledged();
  }
}

}  // namespace
}  // namespace pelmora::practice
