// The texts the terminal writes about a test: journal lines for trades the tester closed, for
// trailing stops that started, and for the test's start and end, and the summary pane's lines.
// No Windows calls.
#pragma once

#include <cstdint>
#include <string>

#include "practice/history.h"
#include "practice/order_book.h"
#include "practice/summary.h"

namespace pelmora::sim_terminal {

// "2025-01-06 12:05:00": a bar time as every journal line starts.
std::string clock_text(std::int64_t seconds);
// "2025-01-06 12:05:00 #1002 closed by stop-loss at 1.23000: -30 points, -3.00"
std::string closed_line(const practice::ClosedTrade& trade, const practice::Instrument& instrument);
// "2025-01-06 12:05:00 #1002 trailing stop started: stop-loss 1.23456"
std::string trailing_line(const practice::TrailingStart& start,
                          const practice::Instrument& instrument);
// "2025-01-06 00:00:00 test started: 12000 bars from 2025-01-06 00:00:00 to ..., deposit
// 10000.00", and when the test starts later in the history, "; from 2025-01-08 00:00:00, 576
// bars before it as context"; then the instrument (practice::instrument_text()).
std::string started_line(const practice::History& history, std::size_t first_bar, double deposit);
// "2025-01-06 13:20:00 test stopped: 3 trades, net -12 points, -1.20, win rate 33%, largest
// drawdown 5.00 (closed trades) and 7.50 (equity), profit factor 0.80, ..."
std::string summary_line(std::int64_t time, const practice::Summary& summary);
// The summary pane's text, lines separated by CR LF, the caption "Итоги теста" first, then the
// instrument and what was assumed of it.
std::string summary_text(const practice::Summary& summary, const practice::History& history,
                         double balance);
// "Баланс: 10038.00   Средства: 10012.30" for the tester bar.
std::string account_text(double balance, double equity);

}  // namespace pelmora::sim_terminal
