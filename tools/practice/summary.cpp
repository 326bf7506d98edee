// The test's closing figures and its trades file.
#include "summary.h"

#include <algorithm>
#include <cstdio>

#include "calendar.h"
#include "number_text.h"

namespace pelmora::practice {

Summary summarise(const std::vector<ClosedTrade>& trades) {
  Summary summary;
  double balance = 0, peak = 0;
  int wins = 0, losses = 0, streak = 0;
  for (const ClosedTrade& trade : trades) {
    ++summary.trades;
    summary.net_points += trade.points;
    summary.net_money += trade.money;
    balance += trade.money;
    peak = std::max(peak, balance);
    summary.max_drawdown = std::max(summary.max_drawdown, peak - balance);
    streak = trade.money < 0 ? streak + 1 : 0;
    summary.longest_losing_streak = std::max(summary.longest_losing_streak, streak);
    if (trade.money > 0) {
      ++wins;
      summary.gross_profit += trade.money;
      summary.largest_win = std::max(summary.largest_win, trade.money);
    } else if (trade.money < 0) {
      ++losses;
      summary.gross_loss -= trade.money;
      summary.largest_loss = std::min(summary.largest_loss, trade.money);
    }
  }
  if (summary.trades > 0) summary.win_rate = static_cast<double>(wins) / summary.trades;
  if (wins > 0) summary.average_win = summary.gross_profit / wins;
  if (losses > 0) {
    summary.average_loss = -summary.gross_loss / losses;
    summary.profit_factor = summary.gross_profit / summary.gross_loss;
  }
  return summary;
}

std::string trades_csv(const std::vector<ClosedTrade>& trades, const Instrument& instrument) {
  const auto level = [&](Price value) {
    return value == 0 ? std::string() : price_text(value, instrument.digits);
  };
  std::string text =
      "ticket,type,lots,open_time,open_price,close_time,close_price,stop_loss,take_profit,"
      "reason,points,money\n";
  for (const ClosedTrade& trade : trades) {
    const Order& order = trade.order;
    text += std::to_string(order.ticket) + "," + side_text(order.side) + "," +
            lots_text(order.lots) + "," + time_text(order.open_time) + "," +
            price_text(order.open_price, instrument.digits) + "," + time_text(trade.close_time) +
            "," + price_text(trade.close_price, instrument.digits) + "," + level(order.stop_loss) +
            "," + level(order.take_profit) + "," + reason_text(trade.reason) + "," +
            std::to_string(trade.points) + "," + money_text(trade.money) + "\n";
  }
  return text;
}

std::string time_text(std::int64_t seconds) {
  const std::int64_t days = seconds / kSecondsPerDay - (seconds % kSecondsPerDay < 0);
  const std::int64_t of_day = seconds - days * kSecondsPerDay;
  const CivilDate date = civil_from_days(days);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month, date.day,
                static_cast<int>(of_day / 3600), static_cast<int>(of_day / 60 % 60),
                static_cast<int>(of_day % 60));
  return text;
}

}  // namespace pelmora::practice
