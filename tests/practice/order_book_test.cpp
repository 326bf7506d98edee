// Fills at the side's price, stop-loss and take-profit hits inside a bar and across gaps, and
// the trailing stop.
#include <gtest/gtest.h>

#include "order_book.h"

namespace pelmora::practice {
namespace {

constexpr Price kSpread = 10;
constexpr std::int64_t kBarTime = 7200;

Quote at(Price bid) {
  return {bid, bid + kSpread};
}

Instrument instrument() {
  Instrument result;
  result.spread = kSpread;
  return result;
}

struct Case {
  const char* name;
  Side side;
  Price stop_loss, take_profit, trailing;
  std::vector<std::pair<Price, bool>> ticks;  // bid, gap
  CloseReason reason;
  Price fill;  // 0: still open after the ticks
  Price stop_loss_after;
};

TEST(OrderBook, FillsAndHitsLevelsOnThePath) {
  // Every order opens at the bid 1.00000: a buy at the ask 1.00010, a sell at the bid.
  const auto sl = CloseReason::stop_loss;
  const auto tp = CloseReason::take_profit;
  const Case cases[] = {
      {"buy sl reached", Side::buy, 99900, 0, 0, {{99950, false}, {99900, false}}, sl, 99900, 0},
      {"buy sl crossed in a bar", Side::buy, 99900, 0, 0, {{99880, false}}, sl, 99900, 0},
      {"buy sl gap", Side::buy, 99900, 0, 0, {{99850, true}}, sl, 99850, 0},
      {"buy tp reached", Side::buy, 0, 100100, 0, {{100100, false}}, tp, 100100, 0},
      {"buy tp gap", Side::buy, 0, 100100, 0, {{100150, true}}, tp, 100150, 0},
      {"buy between", Side::buy, 99900, 100100, 0, {{100099, false}, {99901, true}}, sl, 0, 99900},
      {"sell sl on the ask",
       Side::sell,
       100100,
       0,
       0,
       {{100089, false}, {100090, false}},
       sl,
       100100,
       0},
      {"sell sl gap", Side::sell, 100100, 0, 0, {{100140, true}}, sl, 100150, 0},
      {"sell tp on the ask", Side::sell, 0, 99900, 0, {{99890, false}}, tp, 99900, 0},
      {"sell tp gap", Side::sell, 0, 99900, 0, {{99800, true}}, tp, 99810, 0},
      {"buy trails up, hit",
       Side::buy,
       0,
       0,
       50,
       {{100080, false}, {100040, false}, {100030, false}},
       sl,
       100030,
       0},
      {"buy trail only tightens", Side::buy, 99990, 0, 50, {{99995, false}}, sl, 0, 99990},
      {"sell trails down, hit",
       Side::sell,
       0,
       0,
       50,
       {{99900, false}, {99950, false}},
       sl,
       99960,
       0},
      {"sell trail set at once", Side::sell, 0, 0, 50, {}, sl, 0, 100060},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OrderBook book(instrument(), 1001);
    const Order& order = book.open(c.side, 10, at(100000), 60);
    EXPECT_EQ(order.open_price, c.side == Side::buy ? 100010 : 100000);
    book.set_levels(1001, c.stop_loss, c.take_profit);
    book.set_trailing(1001, c.trailing, at(100000));
    std::vector<ClosedTrade> closed;
    for (const auto& [bid, gap] : c.ticks) {
      for (const ClosedTrade& trade : book.on_tick({at(bid), kBarTime, 1, gap, gap})) {
        closed.push_back(trade);
      }
    }
    if (c.fill == 0) {
      ASSERT_TRUE(closed.empty());
      EXPECT_EQ(book.find(1001)->stop_loss, c.stop_loss_after);
      continue;
    }
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(book.find(1001), nullptr);
    const ClosedTrade& trade = closed[0];
    EXPECT_EQ(trade.reason, c.reason);
    EXPECT_EQ(trade.close_price, c.fill);
    EXPECT_EQ(trade.close_time, kBarTime);
    const Price points = c.side == Side::buy ? c.fill - 100010 : 100000 - c.fill;
    EXPECT_EQ(trade.points, points);
    EXPECT_DOUBLE_EQ(trade.money, points * 0.1);  // 0.10 lots at 1.00 a point per lot
    EXPECT_EQ(book.closed_trades().size(), 1u);
  }
}

TEST(OrderBook, ClosesAtTheOtherSideAndSwitchesTrailingOff) {
  OrderBook book(instrument(), 7);
  book.open(Side::buy, 5, at(100000), 60);
  book.open(Side::sell, 200, at(100000), 60);
  book.set_trailing(7, 30, at(100100));
  EXPECT_EQ(book.find(7)->stop_loss, 100070);
  book.set_trailing(7, 0, at(100200));
  EXPECT_EQ(book.find(7)->stop_loss, 100070);
  EXPECT_TRUE(book.on_tick({at(100300), 120, 2, false, false}).empty());
  EXPECT_EQ(book.find(7)->stop_loss, 100070);

  const auto trade = book.close(8, at(100050), 180);
  ASSERT_TRUE(trade);
  EXPECT_EQ(trade->close_price, 100060);
  EXPECT_EQ(trade->points, -60);
  EXPECT_DOUBLE_EQ(trade->money, -120);
  EXPECT_FALSE(book.close(8, at(100050), 180));
  const auto all = book.close_all(at(100050), 240);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].points, 40);
  EXPECT_EQ(all[0].reason, CloseReason::close_all);
  EXPECT_TRUE(book.open_orders().empty());
  EXPECT_EQ(book.closed_trades().size(), 2u);
}

}  // namespace
}  // namespace pelmora::practice
