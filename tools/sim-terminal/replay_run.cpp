// Real time between beats is measured rather than assumed, and capped, so that a terminal
// that was busy (dragged, hung on purpose) does not replay a burst when it comes back.
#include "replay_run.h"

#include <algorithm>
#include <string>

#include "chart_area.h"
#include "equity_picture.h"
#include "journal.h"
#include "journal_lines.h"
#include "platform/win32/wide.h"
#include "summary_pane.h"
#include "tester_bar.h"

namespace pelmora::sim_terminal {

namespace {

using platform::win32::to_utf8;
using platform::win32::to_wide;

constexpr double kLongestBeatMs = 250;
// Thirty pictures a second are smooth to the eye; at the fastest speeds a new price comes every
// beat, and drawing each would double the terminal's cost for nothing seen.
constexpr auto kShortestRepaint = std::chrono::milliseconds(33);

bool same_levels(const practice::Order& a, const practice::Order& b) {
  return a.ticket == b.ticket && a.lots == b.lots && a.stop_loss == b.stop_loss &&
         a.take_profit == b.take_profit;
}

}  // namespace

ReplayRun::ReplayRun(Parts parts)
    : parts_(std::move(parts)), last_beat_(std::chrono::steady_clock::now()) {
  practice::Tester& tester = parts_.tester;
  parts_.journal.add(
      started_line(tester.replay().history(), tester.replay().first_bar(), tester.deposit()));
  tell(tester.step());
  show_now(last_beat_, true);
}

void ReplayRun::on_timer() {
  const auto now = std::chrono::steady_clock::now();
  const double elapsed_ms =
      std::min(kLongestBeatMs, std::chrono::duration<double, std::milli>(now - last_beat_).count());
  last_beat_ = now;
  if (finished_) return;
  if (parts_.bar.state() == TestState::kStopped) {
    finish();
    return;
  }
  practice::Tester& tester = parts_.tester;
  tester.set_paused(parts_.bar.state() == TestState::kPaused);
  const auto advance = tester.advance(elapsed_ms, parts_.bar.speed());
  tell(advance);
  if (advance.stopped || tester.stopped()) {
    parts_.bar.stop(L"История закончилась: тест остановлен");
    finish();
    return;
  }
  // Orders the expert opened, changed or closed between beats show as well as new prices.
  chart_behind_ = chart_behind_ || orders_changed() || advance.ticks > 0;
  show_now(now, false);
}

bool ReplayRun::step_bar() {
  if (finished_ || parts_.bar.state() != TestState::kPaused) {
    parts_.bar.show_refusal(finished_ ? L"Тест остановлен: шаг не действует"
                                      : L"Шаг на бар (>| или F12) — только на паузе");
    return false;
  }
  parts_.bar.show_refusal(L"");
  const auto advance = parts_.tester.step_bar();
  tell(advance);
  if (advance.stopped) {
    parts_.bar.stop(L"История закончилась: тест остановлен");
    finish();
    return true;
  }
  orders_changed();
  show_now(std::chrono::steady_clock::now(), true);
  return true;
}

void ReplayRun::show_now(std::chrono::steady_clock::time_point now, bool at_once) {
  if (!at_once && (!chart_behind_ || now - last_repaint_ < kShortestRepaint)) return;
  const practice::Tester& tester = parts_.tester;
  const std::string time = practice::time_text(tester.time());
  parts_.bar.show_time(L"Бар: " + to_wide(time.substr(0, 16)));
  parts_.bar.show_account(to_wide(account_text(tester.balance(), tester.equity())));
  parts_.charts.repaint(1);
  chart_behind_ = false;
  last_repaint_ = now;
}

void ReplayRun::finish() {
  if (finished_) return;
  finished_ = true;
  practice::Tester& tester = parts_.tester;
  practice::Tester::Advance end;
  end.closed = tester.stop();
  tell(end);
  const practice::Summary summary = tester.summary();
  parts_.journal.add(summary_line(tester.time(), summary));
  // Every line carries the bar's date and time, the files' lines too.
  const std::string at = clock_text(tester.time()) + " ";
  std::wstring error;
  const std::string csv = practice::trades_csv(tester.book().closed_trades(), tester.instrument());
  parts_.journal.add(write_whole_file(parts_.files.trades, csv, &error)
                         ? at + "trades written to " + to_utf8(parts_.files.trades.wstring())
                         : at + "trades file not written: " + to_utf8(error));
  const auto& curve = tester.curve().points();
  parts_.journal.add(save_equity_png(parts_.files.curve, SummaryPane::kCurveWidth,
                                     SummaryPane::kCurveHeight, curve, tester.deposit(), &error)
                         ? at + "equity curve written to " + to_utf8(parts_.files.curve.wstring())
                         : at + "equity curve not written: " + to_utf8(error));
  parts_.summary.show(summary_text(summary, tester.replay().history(), tester.balance()), curve,
                      tester.deposit());
  orders_changed();
  show_now(std::chrono::steady_clock::now(), true);
}

void ReplayRun::tell(const practice::Tester::Advance& advance) {
  ticks_ += advance.ticks;
  const practice::Instrument& instrument = parts_.tester.instrument();
  for (const auto& start : advance.trailing) {
    parts_.journal.add(trailing_line(start, instrument));
  }
  for (const auto& trade : advance.closed) parts_.journal.add(closed_line(trade, instrument));
}

bool ReplayRun::orders_changed() {
  const auto& open = parts_.tester.book().open_orders();
  if (std::equal(open.begin(), open.end(), drawn_orders_.begin(), drawn_orders_.end(),
                 same_levels)) {
    return false;
  }
  drawn_orders_ = open;
  return true;
}

}  // namespace pelmora::sim_terminal
