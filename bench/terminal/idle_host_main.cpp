// Holds the panel idle over the substitute terminal for make bench: the expert writes a number
// of order lines and a property record once, then nothing changes while the caller reads the
// panel's CPU time from the system. Prints "ready" once the panel has taken the orders. With
// "expert" instead of a number, the terminal's own expert feeds the panel its replayed quotes,
// and "ready" comes with the first quotes in the panel's field.
// With a third argument, the terminal starts that panel program instead of the one beside it.
// Usage: pelmora_idle_host <orders | expert> <seconds> [panel program]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "link/exchange_fields.h"
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

int hold(int seconds) {
  std::printf("ready\n");
  std::fflush(stdout);
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  return 0;
}

int run_with_terminal_expert(int seconds) {
  TerminalRun terminal({}, ExpertSide::terminal);
  if (!terminal.ready_or_say()) return 1;
  HWND quotes = GetDlgItem(terminal.panel_window(), link::kInAskBid.control_id);
  if (!wait_until([&] { return !window_text(quotes).value_or(L"").empty(); })) {
    std::fprintf(stderr, "the terminal's expert wrote no quotes\n");
    return 1;
  }
  return hold(seconds);
}

int run(int orders, int seconds, const std::vector<std::wstring>& options) {
  TerminalRun terminal(options);
  if (!terminal.ready_or_say()) return 1;
  TestExpert expert(terminal.panel_window());
  const std::wstring first_ticket = orders > 0 ? L"10000000 " : L"-1";
  if (!expert.attached() || !expert.give_orders(order_lines(orders)) ||
      !expert.give_order_property(L"10000000;0;1.3050;0;0;0.0001;5;2;0.01;") ||
      !wait_until([&] { return expert.selected_ticket() == first_ticket; })) {
    std::fprintf(stderr, "the panel did not take the orders\n");
    return 1;
  }
  return hold(seconds);
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pelmora_idle_host <orders | expert> <seconds> [panel program]\n");
    return 2;
  }
  if (std::string(argv[1]) == "expert") {
    return pelmora::e2e::run_with_terminal_expert(std::atoi(argv[2]));
  }
  std::vector<std::wstring> options;
  if (argc > 3) {
    const std::string panel = argv[3];
    options = {L"--panel", L"\"" + std::wstring(panel.begin(), panel.end()) + L"\""};
  }
  return pelmora::e2e::run(std::atoi(argv[1]), std::atoi(argv[2]), options);
}
