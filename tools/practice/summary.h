// The figures shown when the test stops, and the trades file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "order_book.h"

namespace pelmora::practice {

struct Summary {
  int trades = 0;
  Price net_points = 0;     // sum of every trade's points (per lot)
  double net_money = 0;     // sum of every trade's money
  double win_rate = 0;      // share of trades with money > 0, 0..1; 0 without trades
  double max_drawdown = 0;  // largest fall of the closed-trade balance from a peak, money, >= 0
  // Largest fall of the equity (open trades at every price included) from a peak, money;
  // the tester fills it in.
  double equity_drawdown = 0;
  double gross_profit = 0, gross_loss = 0;   // the winners' money, the losers' (as >= 0)
  std::optional<double> profit_factor;       // gross profit / gross loss; nothing without a loss
  double average_win = 0, average_loss = 0;  // money; the loss negative; 0 when there is none
  double largest_win = 0, largest_loss = 0;  // likewise
  int longest_losing_streak = 0;             // trades with money < 0 in a row
};

// Every figure but the equity drawdown, from the closed trades in the order they closed.
Summary summarise(const std::vector<ClosedTrade>& trades);

// Header line and one line per trade: ticket,type,lots,open_time,open_price,close_time,
// close_price,stop_loss,take_profit,reason,points,money; times "YYYY-MM-DD HH:MM:SS".
// Lines end in LF; type "buy" or "sell"; a level left empty when none; reason one of
// reason_text()'s; money to the cent.
std::string trades_csv(const std::vector<ClosedTrade>& trades, const Instrument& instrument);

std::string time_text(std::int64_t seconds);  // "2026-12-06 18:20:00"

}  // namespace pelmora::practice
