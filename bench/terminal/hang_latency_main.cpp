// The link's latency while the terminal hangs, for make bench: the time from the test expert's
// write into IN_ORDERS to the panel's orders list showing it while the substitute terminal's
// window thread sleeps, each hang starting just as the panel is shown over its chart again,
// beside the same steps with a terminal that answers, in one run. Figures are printed as markdown
// table rows, never asserted. Usage: pelmora_hang_latency [samples]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "form/names.h"
#include "orders_latency.h"
#include "terminal_driver.h"
#include "test_expert.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kHangMs = 3000;
// Samples stop this long before a hang's end, so that none straddles the terminal's recovery.
constexpr auto kHangMargin = 600ms;
constexpr auto kLatencyBound = 10s;

struct Samples {
  std::vector<double> ms;
  int lost = 0;

  void add(TestExpert& expert, HWND list, int serial) {
    const auto taken = orders_shown_after(expert, list, serial, kLatencyBound);
    if (taken) {
      ms.push_back(taken->count());
    } else {
      ++lost;
    }
  }
  double median() {
    std::sort(ms.begin(), ms.end());
    const size_t n = ms.size();
    return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  }
  double max() const { return *std::max_element(ms.begin(), ms.end()); }
};

// Hides the panel behind the other chart and brings its chart back, hanging the terminal at
// once when asked, then takes samples for the hang's length from the panel's coming back (while
// it was hidden its link was off by design). The same steps without the hang are the reference.
bool spell(TerminalRun& run, TestExpert& expert, HWND list, bool hang, int& serial,
           Samples& samples, int wanted) {
  if (run.send("front 2") != 1) return false;
  if (!wait_until([&] { return !run.panel_visible(); }, 5s)) return false;
  if (run.send("front 1") != 1) return false;
  if (hang && run.send("hang " + std::to_string(kHangMs)) != 1) return false;
  if (!wait_until([&] { return run.panel_visible(); }, 5s)) return false;
  const auto started = Clock::now();
  while (Clock::now() - started < std::chrono::milliseconds(kHangMs) - kHangMargin &&
         static_cast<int>(samples.ms.size()) + samples.lost < wanted) {
    samples.add(expert, list, serial++);
    Sleep(100);
  }
  return wait_until([&] { return answers(run.main(), 200); });
}

int run(int samples) {
  TerminalRun terminal;
  if (!terminal.ready_or_say()) return 1;
  TestExpert expert(terminal.panel_window());
  HWND list = panel_control(terminal.panel_window(), names::kOrdersList);
  if (!expert.attached() || !list) {
    std::fprintf(stderr, "cannot reach the panel's exchange fields or its orders list\n");
    return 1;
  }
  int serial = 0;
  Samples answering;
  Samples hung;
  for (const bool hang : {false, true}) {
    Samples& taken = hang ? hung : answering;
    while (static_cast<int>(taken.ms.size()) + taken.lost < samples) {
      if (!spell(terminal, expert, list, hang, serial, taken, samples)) {
        std::fprintf(stderr, "the terminal or the panel did not follow the control commands\n");
        return 1;
      }
    }
  }
  if (answering.ms.empty() || hung.ms.empty()) {
    std::fprintf(stderr, "the orders list never followed (%d and %d writes lost)\n", answering.lost,
                 hung.lost);
    return 1;
  }
  std::printf(
      "| link latency, IN_ORDERS to list, terminal hung (median) | %.1f ms | %.1f ms "
      "answering |\n",
      hung.median(), answering.median());
  std::printf(
      "| link latency, IN_ORDERS to list, terminal hung (max of %zu) | %.1f ms | %.1f ms "
      "answering |\n",
      hung.ms.size(), hung.max(), answering.max());
  if (hung.lost || answering.lost) {
    std::fprintf(stderr, "writes the list did not follow within %lld s: %d hung, %d answering\n",
                 static_cast<long long>(kLatencyBound.count()), hung.lost, answering.lost);
  }
  return 0;
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  return pelmora::e2e::run(samples);
}
