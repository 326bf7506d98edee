// Money is shown with two decimals, points as whole signed numbers, as the trades file has them.
#include "journal_lines.h"

#include <cmath>
#include <cstdio>

#include "practice/instrument.h"
#include "practice/number_text.h"

namespace pelmora::sim_terminal {

namespace {

using practice::count_text;
using practice::money_text;

std::string percent_text(double share) {
  return std::to_string(static_cast<int>(std::lround(share * 100))) + "%";
}

// Two decimals; "-" without a losing trade to divide by.
std::string factor_text(const std::optional<double>& factor) {
  if (!factor) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", *factor);
  return text;
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
  return practice::time_text(seconds);
}

std::string closed_line(const practice::ClosedTrade& trade,
                        const practice::Instrument& instrument) {
  return clock_text(trade.close_time) + " #" + std::to_string(trade.order.ticket) + " " +
         closed_how(trade.reason) + " at " +
         practice::price_text(trade.close_price, instrument.digits) + ": " +
         count_text(trade.points, "point", "points") + ", " + money_text(trade.money);
}

std::string trailing_line(const practice::TrailingStart& start,
                          const practice::Instrument& instrument) {
  return clock_text(start.time) + " #" + std::to_string(start.ticket) +
         " trailing stop started: stop-loss " +
         practice::price_text(start.stop_loss, instrument.digits);
}

std::string started_line(const practice::History& history, std::size_t first_bar, double deposit) {
  if (first_bar >= history.bars.size()) return "test started: no bars";
  const auto& bars = history.bars;
  const auto tested = static_cast<long long>(bars.size() - first_bar);
  std::string line = clock_text(bars[first_bar].time) +
                     " test started: " + count_text(tested, "bar", "bars") + " from " +
                     practice::time_text(bars[first_bar].time) + " to " +
                     practice::time_text(bars.back().time) + ", deposit " + money_text(deposit);
  if (first_bar > 0) {
    line += "; " + count_text(static_cast<long long>(first_bar), "bar", "bars") + " from " +
            practice::time_text(bars.front().time) + " before it as context";
  }
  return line + "; " + practice::instrument_text(history);
}

std::string summary_line(std::int64_t time, const practice::Summary& summary) {
  return clock_text(time) + " test stopped: " + count_text(summary.trades, "trade", "trades") +
         ", net " + count_text(summary.net_points, "point", "points") + ", " +
         money_text(summary.net_money) + ", win rate " + percent_text(summary.win_rate) +
         ", largest drawdown " + money_text(summary.max_drawdown) + " (closed trades) and " +
         money_text(summary.equity_drawdown) + " (equity), profit factor " +
         factor_text(summary.profit_factor) + ", average win " + money_text(summary.average_win) +
         " and loss " + money_text(summary.average_loss) + ", largest win " +
         money_text(summary.largest_win) + " and loss " + money_text(summary.largest_loss) +
         ", longest losing streak " + count_text(summary.longest_losing_streak, "trade", "trades");
}

std::string summary_text(const practice::Summary& summary, const practice::History& history,
                         double balance) {
  const practice::Instrument& instrument = history.instrument;
  std::string text = "Итоги теста\r\nИнструмент: " + instrument.symbol + "," +
                     practice::timeframe_text(history.bar_seconds) + ", " +
                     std::to_string(instrument.digits) + " зн., спред " +
                     std::to_string(instrument.spread) + " п.";
  const std::string assumed = practice::assumptions_text(instrument);
  if (!assumed.empty()) text += "\r\n" + assumed;
  return text + "\r\nЗакрытых сделок: " + std::to_string(summary.trades) +
         "\r\nИтог в пунктах: " + std::to_string(summary.net_points) +
         "\r\nИтог в деньгах: " + money_text(summary.net_money) +
         "\r\nВыигрышных сделок: " + percent_text(summary.win_rate) +
         "\r\nНаибольшая просадка: " + money_text(summary.max_drawdown) +
         "\r\nПросадка по средствам: " + money_text(summary.equity_drawdown) +
         "\r\nФактор прибыли: " + factor_text(summary.profit_factor) +
         "\r\nСредний выигрыш / убыток: " + money_text(summary.average_win) + " / " +
         money_text(summary.average_loss) +
         "\r\nНаибольший выигрыш / убыток: " + money_text(summary.largest_win) + " / " +
         money_text(summary.largest_loss) +
         "\r\nНаибольшая серия убытков: " + std::to_string(summary.longest_losing_streak) +
         "\r\nБаланс: " + money_text(balance);
}

std::string account_text(double balance, double equity) {
  return "Баланс: " + money_text(balance) + "   Средства: " + money_text(equity);
}

}  // namespace pelmora::sim_terminal
