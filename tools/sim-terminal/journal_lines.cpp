// Money is shown with two decimals, points as whole signed numbers, as the trades file has them.
#include "journal_lines.h"

#include <cmath>

#include "practice/number_text.h"

namespace pelmora::sim_terminal {

namespace {

using practice::money_text;

std::string percent_text(double share) {
  return std::to_string(static_cast<int>(std::lround(share * 100))) + "%";
}

const char* closed_how(practice::CloseReason reason) {
  switch (reason) {
    case practice::CloseReason::by_command:
      return "closed";
    case practice::CloseReason::close_all:
      return "closed with all orders";
    case practice::CloseReason::stop_loss:
      return "closed by stop-loss";
    case practice::CloseReason::take_profit:
      return "closed by take-profit";
    case practice::CloseReason::test_end:
      return "closed at the end of the test";
  }
  return "closed";
}

}  // namespace

std::string clock_text(std::int64_t seconds) {
  const std::string full = practice::time_text(seconds);  // "YYYY-MM-DD HH:MM:SS"
  return full.size() > 11 ? full.substr(11) : full;
}

std::string closed_line(const practice::ClosedTrade& trade,
                        const practice::Instrument& instrument) {
  return clock_text(trade.close_time) + " #" + std::to_string(trade.order.ticket) + " " +
         closed_how(trade.reason) + " at " +
         practice::price_text(trade.close_price, instrument.digits) + ": " +
         std::to_string(trade.points) + " points, " + money_text(trade.money);
}

std::string started_line(const practice::History& history) {
  if (history.bars.empty()) return "test started: no bars";
  return clock_text(history.bars.front().time) + " test started: " + history.instrument.symbol +
         ", " + std::to_string(history.bars.size()) + " bars from " +
         practice::time_text(history.bars.front().time) + " to " +
         practice::time_text(history.bars.back().time);
}

std::string summary_line(std::int64_t time, const practice::Summary& summary) {
  return clock_text(time) + " test stopped: " + std::to_string(summary.trades) + " trades, net " +
         std::to_string(summary.net_points) + " points, " + money_text(summary.net_money) +
         ", win rate " + percent_text(summary.win_rate) + ", largest drawdown " +
         money_text(summary.max_drawdown);
}

std::string summary_text(const practice::Summary& summary) {
  return "Итоги теста\r\nЗакрытых сделок: " + std::to_string(summary.trades) +
         "\r\nИтог в пунктах: " + std::to_string(summary.net_points) +
         "\r\nИтог в деньгах: " + money_text(summary.net_money) +
         "\r\nВыигрышных сделок: " + percent_text(summary.win_rate) +
         "\r\nНаибольшая просадка: " + money_text(summary.max_drawdown);
}

}  // namespace pelmora::sim_terminal
