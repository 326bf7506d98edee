// The test as a whole, the handshake and the closing figures.
#include <gtest/gtest.h>

#include "handshake.h"
#include "tester.h"

namespace pelmora::practice {
namespace {

TEST(Tester, ReplaysTradesHitsLevelsAndStops) {
  History history;
  history.instrument.spread = 2;
  history.bars = {{0, 100000, 100050, 99990, 100040},
                  {300, 100040, 100200, 100030, 100150},
                  {600, 100300, 100300, 100250, 100260}};  // opens with a gap
  Tester tester(history);
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

// A trade that ends even counts as a trade, not as a win; the drawdown is the largest fall of
// the balance from a peak.
TEST(Summary, FiguresOfTheClosedTrades) {
  std::vector<ClosedTrade> trades;
  for (double money : {10.0, -5.0, 0.0, -20.0, 30.0, -3.0}) {
    trades.emplace_back().money = money;
    trades.back().points = static_cast<Price>(money * 10);
  }
  const Summary summary = summarise(trades);
  EXPECT_EQ(summary.trades, 6);
  EXPECT_EQ(summary.net_points, 120);
  EXPECT_DOUBLE_EQ(summary.net_money, 12);
  EXPECT_DOUBLE_EQ(summary.win_rate, 2.0 / 6);
  EXPECT_DOUBLE_EQ(summary.max_drawdown, 25);
  EXPECT_EQ(summarise({}).win_rate, 0);
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
