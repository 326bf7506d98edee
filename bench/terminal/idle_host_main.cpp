// Holds the panel idle over the substitute terminal for make bench: the expert writes a number
// of order lines and a property record once, then nothing changes while the caller reads the
// panel's CPU time from the system. Prints "ready" once the panel has taken the orders.
// Usage: pelmora_idle_host <orders> <seconds>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "terminal_driver.h"
#include "test_expert.h"

namespace pelmora::e2e {
namespace {

std::wstring order_lines(int count) {
  std::wstring text;
  for (int i = 0; i < count; ++i) {
    text += std::to_wstring(10000000 + i) + L" (buy 0.10 EURUSD at 1.30500)\r\n";
  }
  return text;
}

int run(int orders, int seconds) {
  TerminalRun terminal;
  if (!terminal.started() || !terminal.wait_placed()) {
    std::fprintf(stderr, "the panel did not come over the chart: %ls\n",
                 terminal.describe().c_str());
    return 1;
  }
  TestExpert expert(terminal.panel_window());
  const std::wstring first_ticket = orders > 0 ? L"10000000 " : L"-1";
  if (!expert.attached() || !expert.give_orders(order_lines(orders)) ||
      !expert.give_order_property(L"10000000;0;1.3050;0;0;0.0001;5;2;0.01;") ||
      !wait_until([&] { return expert.selected_ticket() == first_ticket; })) {
    std::fprintf(stderr, "the panel did not take the orders\n");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  return 0;
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pelmora_idle_host <orders> <seconds>\n");
    return 2;
  }
  return pelmora::e2e::run(std::atoi(argv[1]), std::atoi(argv[2]));
}
