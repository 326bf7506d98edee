// The orders the practice expert keeps: market orders filled at the ask (buy) or the bid
// (sell), optional stop-loss and take-profit, an optional trailing stop, and the closed trades.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "replay.h"

namespace pelmora::practice {

enum class Side { buy, sell };

// Lots are whole counts of the lot step (0.01): 10 is 0.10.
inline constexpr double kLotStep = 0.01;
inline constexpr std::int64_t kMaxLotSteps = 10000;  // 100.00 lots

struct Order {
  std::int64_t ticket = 0;
  Side side = Side::buy;
  std::int64_t lots = 0;  // in lot steps
  Price open_price = 0;
  std::int64_t open_time = 0;
  Price stop_loss = 0;            // 0: none
  Price take_profit = 0;          // 0: none
  Price trailing = 0;             // trailing distance in points; 0: off
  bool trailing_started = false;  // the price has moved the distance into profit
};

enum class CloseReason { by_command, close_all, stop_loss, take_profit, test_end };

struct ClosedTrade {
  Order order;
  Price close_price = 0;
  std::int64_t close_time = 0;
  CloseReason reason = CloseReason::by_command;
  Price points = 0;  // result per lot in points, signed
  double money = 0;  // points * lots * money per point per lot, less the commission, signed
};

// A trailing stop that has just started to follow the price: the stop-loss it set.
struct TrailingStart {
  std::int64_t ticket = 0;
  Price stop_loss = 0;
  std::int64_t time = 0;  // the bar's
};

// What one price did to the open orders.
struct TickOutcome {
  std::vector<ClosedTrade> closed;
  std::vector<TrailingStart> trailing;
};

class OrderBook {
 public:
  explicit OrderBook(Instrument instrument, std::int64_t first_ticket = 1001);

  const Instrument& instrument() const { return instrument_; }
  const std::vector<Order>& open_orders() const { return open_; }  // oldest first
  const std::vector<ClosedTrade>& closed_trades() const { return closed_; }
  double closed_money() const { return closed_money_; }  // every closed trade's money together
  const Order* find(std::int64_t ticket) const;

  // The last price the book was given (by on_tick or an operation); nothing before the first.
  const std::optional<Quote>& quote() const { return quote_; }
  // An open order's result if it closed at `quote`: points per lot, and money less the
  // commission.
  Price running_points(const Order& order, const Quote& quote) const;
  double running_money(const Order& order, const Quote& quote) const;
  // The money of every open order together at the last price; 0 before the first.
  double floating() const;

  // The operations check nothing but existence; the command reader refuses bad input first.
  const Order& open(Side side, std::int64_t lots, const Quote& quote, std::int64_t time);
  std::optional<ClosedTrade> close(std::int64_t ticket, const Quote& quote, std::int64_t time,
                                   CloseReason reason = CloseReason::by_command);
  std::vector<ClosedTrade> close_all(const Quote& quote, std::int64_t time,
                                     CloseReason reason = CloseReason::close_all);
  bool set_levels(std::int64_t ticket, Price stop_loss, Price take_profit);
  // Sets the distance (0 switches it off); the stop starts at once when the price is already
  // the distance into profit (true then).
  bool set_trailing(std::int64_t ticket, Price distance, const Quote& quote);

  // A new price: trailing stops follow, then stop-losses and take-profits that the price
  // reached or crossed close their orders: at the level inside a bar, at the price itself
  // when the tick is a gap past the level. A buy's levels are watched on the bid, a sell's on
  // the ask; when both are crossed at once, the stop-loss.
  // A trailing stop waits until the price has moved its distance into profit (a buy's bid at
  // or above the open price plus the distance, a sell's ask at or below the open price less
  // it); from then on the stop-loss follows at the distance from that price, only ever
  // tightening, never to a level at or below 0, and never loosening an order's own stop-loss.
  TickOutcome on_tick(const Tick& tick);

 private:
  Order* find_mutable(std::int64_t ticket);
  // Records the order as closed at `price`.
  ClosedTrade settle(const Order& order, Price price, std::int64_t time, CloseReason reason);

  Instrument instrument_;
  std::optional<Quote> quote_;
  std::int64_t next_ticket_;
  std::vector<Order> open_;
  std::vector<ClosedTrade> closed_;
  double closed_money_ = 0;
};

std::string side_text(Side side);          // "buy" / "sell"
std::string lots_text(std::int64_t lots);  // 10 -> "0.10"
// "closed", "closed all", "stop-loss", "take-profit", "test end".
std::string reason_text(CloseReason reason);

}  // namespace pelmora::practice
