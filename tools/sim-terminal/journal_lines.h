// The texts the terminal writes about a test: journal lines for trades the tester closed and for
// the test's start and end, and the summary pane's lines. No Windows calls.
#pragma once

#include <cstdint>
#include <string>

#include "practice/history.h"
#include "practice/order_book.h"
#include "practice/summary.h"

namespace pelmora::sim_terminal {

// "12:05:00": the time of day of a bar time.
std::string clock_text(std::int64_t seconds);
// "12:05:00 #1002 closed by stop-loss at 1.23000: -30 points, -3.00"
std::string closed_line(const practice::ClosedTrade& trade, const practice::Instrument& instrument);
// "00:00:00 test started: EURUSD, 12000 bars from 2026-01-05 00:00:00 to ..."
std::string started_line(const practice::History& history);
// "13:20:00 test stopped: 3 trades, net -12 points, -1.20, win rate 33%, largest drawdown 5.00"
std::string summary_line(std::int64_t time, const practice::Summary& summary);
// The summary pane's text, lines separated by CR LF, the caption "Итоги теста" first.
std::string summary_text(const practice::Summary& summary);

}  // namespace pelmora::sim_terminal
