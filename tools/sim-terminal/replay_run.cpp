// Real time between beats is measured rather than assumed, and capped, so that a terminal
// that was busy (dragged, hung on purpose) does not replay a burst when it comes back.
#include "replay_run.h"

#include <algorithm>
#include <string>

#include "chart_area.h"
#include "journal.h"
#include "journal_lines.h"
#include "platform/win32/wide.h"
#include "run_files.h"
#include "summary_pane.h"
#include "tester_bar.h"

namespace pelmora::sim_terminal {

namespace {

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
  parts_.journal.add(started_line(parts_.tester.replay().history()));
  ticks_ += parts_.tester.step().ticks;
  parts_.charts.repaint(1);
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
  ticks_ += advance.ticks;
  tell_closed(advance.closed);
  if (advance.stopped || tester.stopped()) {
    parts_.bar.stop(L"История закончилась: тест остановлен");
    finish();
    return;
  }
  // Orders the expert opened, changed or closed between beats show as well as new prices.
  const bool changed = orders_changed();
  chart_behind_ = chart_behind_ || changed || advance.ticks > 0;
  if (chart_behind_ && now - last_repaint_ >= kShortestRepaint) {
    parts_.charts.repaint(1);
    chart_behind_ = false;
    last_repaint_ = now;
  }
}

void ReplayRun::finish() {
  if (finished_) return;
  finished_ = true;
  practice::Tester& tester = parts_.tester;
  tell_closed(tester.stop());
  const practice::Summary summary = tester.summary();
  parts_.journal.add(summary_line(tester.time(), summary));
  std::wstring error;
  const std::string csv = practice::trades_csv(tester.book().closed_trades(), tester.instrument());
  if (write_whole_file(parts_.trades_file, csv, &error)) {
    parts_.journal.add("trades written to " +
                       platform::win32::to_utf8(parts_.trades_file.wstring()));
  } else {
    parts_.journal.add("trades file not written: " + platform::win32::to_utf8(error));
  }
  parts_.summary.show(summary_text(summary));
  orders_changed();
  parts_.charts.repaint(1);
}

void ReplayRun::tell_closed(const std::vector<practice::ClosedTrade>& trades) {
  for (const auto& trade : trades) {
    parts_.journal.add(closed_line(trade, parts_.tester.instrument()));
  }
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
