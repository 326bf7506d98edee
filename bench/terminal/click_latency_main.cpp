// Click-to-command latency under Wine, for make bench: the time from the real mouse button's
// release over BUY to the test expert reading OPEN_BUY from OUT_COMMAND, over several clicks.
// Prints one markdown table row, never asserts; anything else goes to stderr.
// Usage: pelmora_click_latency [clicks]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "form/names.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "test_expert.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

using Clock = std::chrono::steady_clock;

// One click on BUY; the milliseconds until the expert read the command, or a negative value.
double timed_click(TestExpert& expert) {
  input::left_button(true);
  std::this_thread::sleep_for(20ms);
  const auto released = Clock::now();
  input::left_button(false);
  const auto command = expert.take_command();
  const auto read = Clock::now();
  expert.wait_idle();
  if (!command || command->rfind(L"OPEN_BUY;", 0) != 0) return -1;
  return std::chrono::duration<double, std::milli>(read - released).count();
}

int run(int clicks) {
  TerminalRun terminal;
  if (!terminal.ready_or_say()) return 1;
  HWND panel = terminal.panel_window();
  TestExpert expert(panel);
  HWND buy = panel_control(panel, names::kBuyButton);
  if (!expert.attached() || !buy || !input::move_to(input::centre_of(buy))) {
    std::fputs("cannot reach the panel's BUY button or its exchange fields\n", stderr);
    return 1;
  }
  timed_click(expert);  // the first click also brings the panel in front: not counted
  std::vector<double> ms;
  int lost = 0;
  for (int i = 0; i < clicks; ++i) {
    const double taken = timed_click(expert);
    if (taken < 0) {
      ++lost;
    } else {
      ms.push_back(taken);
    }
  }
  if (ms.empty()) {
    std::fputs("BUY click: no command arrived\n", stderr);
    return 1;
  }
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  std::printf(
      "| BUY click to OPEN_BUY read by the expert, median of %zu | %.1f ms | "
      "min %.1f ms, max %.1f ms |\n",
      n, median, ms.front(), ms.back());
  if (lost) std::fprintf(stderr, "BUY click: %d clicks gave no OPEN_BUY command\n", lost);
  return 0;
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  return pelmora::e2e::run(clicks);
}
