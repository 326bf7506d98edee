// The terminal's CPU while the wheel scrolls its chart, for make bench: a paused test with a
// month of bars behind it left alone after "idle", scrolled 30 notches a second after "scroll",
// for `seconds` each; the caller reads the CPU time. Usage: pelmora_chart_scroll <seconds>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "control_protocol.h"
#include "real_input.h"
#include "terminal_driver.h"

namespace pelmora::e2e {
namespace {

void say(const char* word) {
  std::printf("%s\n", word);
  std::fflush(stdout);
}

void turn(int notches) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_WHEEL;
  in.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
  SendInput(1, &in, sizeof in);
}

int run(int seconds) {
  TerminalRun terminal({L"--no-panel", L"--charts", L"1", L"--from", L"2025-02-03"});
  if (!terminal.started() || terminal.send("pause") != sim_terminal::kReplyDone ||
      !input::click(input::point_in(terminal.chart(1), 0.5, 0.6))) {
    std::fprintf(stderr, "the terminal did not start or take the click\n");
    return 1;
  }
  say("idle");
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
  say("scroll");
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
    turn(i % 30 < 15 ? 1 : -1);  // half a second back, half a second forward
    std::this_thread::sleep_for(std::chrono::milliseconds(33));
  }
  const LRESULT offset = terminal.send("view").value_or(-1);
  say("done");
  std::fprintf(stderr, "chart scrolled, %ld bars back at the end\n", static_cast<long>(offset));
  return 0;
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pelmora_chart_scroll <seconds>\n");
    return 2;
  }
  return pelmora::e2e::run(std::atoi(argv[1]));
}
