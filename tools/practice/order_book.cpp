// The practice expert's orders: fills at the side's price, levels hit on the replayed path.
#include "order_book.h"

#include <algorithm>

#include "number_text.h"

namespace pelmora::practice {

namespace {

Price closing_price(Side side, const Quote& quote) {
  return side == Side::buy ? quote.bid : quote.ask;
}

// Moves the stop-loss after the price; true when this price started the trailing stop.
bool trail(Order& order, const Quote& quote) {
  if (order.trailing <= 0) return false;
  const bool buy = order.side == Side::buy;
  const Price gain = buy ? quote.bid - order.open_price : order.open_price - quote.ask;
  const bool starts = !order.trailing_started && gain >= order.trailing;
  if (!order.trailing_started && !starts) return false;
  order.trailing_started = true;
  const Price level = buy ? quote.bid - order.trailing : quote.ask + order.trailing;
  if (level <= 0) return starts;  // a distance wider than the price leaves no level to trail to
  const bool tighter =
      order.stop_loss == 0 || (buy ? level > order.stop_loss : level < order.stop_loss);
  if (tighter) order.stop_loss = level;
  return starts;
}

}  // namespace

OrderBook::OrderBook(Instrument instrument, std::int64_t first_ticket)
    : instrument_(std::move(instrument)), next_ticket_(first_ticket) {}

const Order* OrderBook::find(std::int64_t ticket) const {
  const auto it = std::find_if(open_.begin(), open_.end(),
                               [ticket](const Order& order) { return order.ticket == ticket; });
  return it == open_.end() ? nullptr : &*it;
}

Price OrderBook::running_points(const Order& order, const Quote& quote) const {
  const Price price = closing_price(order.side, quote);
  return order.side == Side::buy ? price - order.open_price : order.open_price - price;
}

double OrderBook::running_money(const Order& order, const Quote& quote) const {
  return instrument_.money(running_points(order, quote), order.lots) -
         instrument_.commission_for(order.lots);
}

double OrderBook::floating() const {
  double money = 0;
  if (!quote_) return money;
  for (const Order& order : open_) money += running_money(order, *quote_);
  return money;
}

const Order& OrderBook::open(Side side, std::int64_t lots, const Quote& quote, std::int64_t time) {
  quote_ = quote;
  Order order;
  order.ticket = next_ticket_++;
  order.side = side;
  order.lots = lots;
  order.open_price = side == Side::buy ? quote.ask : quote.bid;
  order.open_time = time;
  open_.push_back(order);
  return open_.back();
}

std::optional<ClosedTrade> OrderBook::close(std::int64_t ticket, const Quote& quote,
                                            std::int64_t time, CloseReason reason) {
  const auto it = std::find_if(open_.begin(), open_.end(),
                               [ticket](const Order& order) { return order.ticket == ticket; });
  if (it == open_.end()) return std::nullopt;
  quote_ = quote;
  const ClosedTrade trade = settle(*it, closing_price(it->side, quote), time, reason);
  open_.erase(it);
  return trade;
}

std::vector<ClosedTrade> OrderBook::close_all(const Quote& quote, std::int64_t time,
                                              CloseReason reason) {
  quote_ = quote;
  std::vector<ClosedTrade> trades;
  for (const Order& order : open_) {
    trades.push_back(settle(order, closing_price(order.side, quote), time, reason));
  }
  open_.clear();
  return trades;
}

bool OrderBook::set_levels(std::int64_t ticket, Price stop_loss, Price take_profit) {
  Order* order = find_mutable(ticket);
  if (order == nullptr) return false;
  order->stop_loss = stop_loss;
  order->take_profit = take_profit;
  return true;
}

bool OrderBook::set_trailing(std::int64_t ticket, Price distance, const Quote& quote) {
  Order* order = find_mutable(ticket);
  if (order == nullptr) return false;
  quote_ = quote;
  order->trailing = std::max<Price>(distance, 0);
  order->trailing_started = false;
  return trail(*order, quote);
}

TickOutcome OrderBook::on_tick(const Tick& tick) {
  quote_ = tick.quote;
  TickOutcome outcome;
  std::vector<ClosedTrade>& trades = outcome.closed;
  for (auto it = open_.begin(); it != open_.end();) {
    if (trail(*it, tick.quote)) outcome.trailing.push_back({it->ticket, it->stop_loss, tick.time});
    const Price price = closing_price(it->side, tick.quote);
    const bool buy = it->side == Side::buy;
    const bool stop = it->stop_loss > 0 && (buy ? price <= it->stop_loss : price >= it->stop_loss);
    const bool profit =
        it->take_profit > 0 && (buy ? price >= it->take_profit : price <= it->take_profit);
    if (!stop && !profit) {
      ++it;
      continue;
    }
    // Inside a bar the price passed through the level; a gap jumps past it and fills where it
    // landed. When both levels are crossed at once, the stop-loss is taken: the worse outcome.
    const Price level = stop ? it->stop_loss : it->take_profit;
    const Price fill = tick.gap ? price : level;
    trades.push_back(
        settle(*it, fill, tick.time, stop ? CloseReason::stop_loss : CloseReason::take_profit));
    it = open_.erase(it);
  }
  return outcome;
}

Order* OrderBook::find_mutable(std::int64_t ticket) {
  return const_cast<Order*>(find(ticket));
}

ClosedTrade OrderBook::settle(const Order& order, Price price, std::int64_t time,
                              CloseReason reason) {
  ClosedTrade trade;
  trade.order = order;
  trade.close_price = price;
  trade.close_time = time;
  trade.reason = reason;
  trade.points = order.side == Side::buy ? price - order.open_price : order.open_price - price;
  trade.money =
      instrument_.money(trade.points, order.lots) - instrument_.commission_for(order.lots);
  closed_.push_back(trade);
  closed_money_ += trade.money;
  return trade;
}

std::string side_text(Side side) {
  return side == Side::buy ? "buy" : "sell";
}

std::string lots_text(std::int64_t lots) {
  return price_text(lots, 2);
}

std::string reason_text(CloseReason reason) {
  switch (reason) {
    case CloseReason::by_command:
      return "closed";
    case CloseReason::close_all:
      return "closed all";
    case CloseReason::stop_loss:
      return "stop-loss";
    case CloseReason::take_profit:
      return "take-profit";
    case CloseReason::test_end:
      return "test end";
  }
  return "closed";
}

}  // namespace pelmora::practice
