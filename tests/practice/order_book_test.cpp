// Fills at the side's price, stop-loss and take-profit hits inside a bar and across gaps, and
// the trailing stop.
#include <gtest/gtest.h>

#include "order_book.h"

namespace pelmora::practice {
namespace {

Quote at(Price bid) {
  return {bid, bid + 10};
}

struct Case {
  Side side;
  Price stop_loss, take_profit, trailing;
  std::vector<Price> bids;  // a negative one: the price jumped to it (a gap)
  bool closes;
  CloseReason reason;
  Price price;  // the fill; for an order still open, its stop-loss after the ticks
};

TEST(OrderBook, FillsAndHitsLevelsOnThePath) {
  // Every order opens at the bid 1.00000: a buy at the ask 1.00010, a sell at the bid.
  const auto sl = CloseReason::stop_loss, tp = CloseReason::take_profit;
  const Case cases[] = {
      {Side::buy, 99900, 0, 0, {99950, 99900}, true, sl, 99900},
      {Side::buy, 99900, 0, 0, {99880}, true, sl, 99900},  // crossed inside a bar
      {Side::buy, 99900, 0, 0, {-99850}, true, sl, 99850},
      {Side::buy, 0, 100100, 0, {100100}, true, tp, 100100},
      {Side::buy, 0, 100100, 0, {-100150}, true, tp, 100150},
      {Side::buy, 99900, 100100, 0, {100099, -99901}, false, sl, 99900},
      {Side::buy, 100000, 99990, 0, {100000}, true, sl, 100000},       // both crossed: the worse
      {Side::sell, 100100, 0, 0, {100089, 100090}, true, sl, 100100},  // on the ask
      {Side::sell, 100100, 0, 0, {-100140}, true, sl, 100150},
      {Side::sell, 0, 99900, 0, {99890}, true, tp, 99900},
      {Side::sell, 0, 99900, 0, {-99800}, true, tp, 99810},
      {Side::buy, 0, 0, 50, {100080, 100040, 100030}, true, sl, 100030},
      {Side::buy, 99990, 0, 50, {99995}, false, sl, 99990},
      {Side::buy, 99950, 0, 50, {100059, 99960}, false, sl, 99950},  // not yet 50 in profit
      {Side::buy, 100045, 0, 50, {100070}, false, sl, 100045},       // never loosens
      {Side::sell, 0, 0, 50, {99900, 99950}, true, sl, 99960},
      {Side::sell, 0, 0, 50, {}, false, sl, 0},          // waits for the profit
      {Side::buy, 0, 0, 100000, {99000}, false, sl, 0},  // never a level at or below 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    Instrument instrument;
    instrument.spread = 10;
    OrderBook book(instrument, 1001);
    const Order& order = book.open(c.side, 10, at(100000), 60);
    EXPECT_EQ(order.open_price, c.side == Side::buy ? 100010 : 100000);
    book.set_levels(1001, c.stop_loss, c.take_profit);
    book.set_trailing(1001, c.trailing, at(100000));
    std::vector<ClosedTrade> closed;
    for (const Price bid : c.bids) {
      const bool gap = bid < 0;
      for (const ClosedTrade& trade :
           book.on_tick({at(gap ? -bid : bid), 7200, 1, gap, gap}).closed) {
        closed.push_back(trade);
      }
    }
    if (!c.closes) {
      ASSERT_TRUE(closed.empty());
      EXPECT_EQ(book.find(1001)->stop_loss, c.price);
      continue;
    }
    ASSERT_EQ(closed.size(), 1u);
    EXPECT_EQ(book.find(1001), nullptr);
    EXPECT_EQ(book.closed_trades().size(), 1u);
    const ClosedTrade& trade = closed[0];
    EXPECT_EQ(trade.reason, c.reason);
    EXPECT_EQ(trade.close_price, c.price);
    EXPECT_EQ(trade.close_time, 7200);
    const Price points = c.side == Side::buy ? c.price - 100010 : 100000 - c.price;
    EXPECT_EQ(trade.points, points);
    EXPECT_DOUBLE_EQ(trade.money, points * 0.1);  // 0.10 lots at 1.00 a point per lot
  }
}

}  // namespace
}  // namespace pelmora::practice
