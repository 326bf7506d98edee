// Shortcut key to command under Wine, for make bench: with the substitute terminal in front, the
// time from Shift+B going down (real keyboard input) to the test expert reading OPEN_BUY, and how
// many 30 ms taps give a command. Then, as the floor, the same presses and taps seen by a plain
// 10 ms poll of the key's down state in this process (in a round of its own: any reader of the
// key state takes the "pressed since" mark the panel relies on). Prints markdown table rows,
// never asserts.
// Usage: pelmora_key_latency [presses] [taps]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <vector>

#include "control_protocol.h"
#include "form/names.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "test_expert.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

using Clock = std::chrono::steady_clock;

double ms_between(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// A 10 ms poll of B's key state in this process: when it first saw B down, and how many
// presses it saw in all.
class KeyPoll {
 public:
  KeyPoll()
      : thread_([this] {
          bool was_down = false;
          while (!stop_) {
            const bool down = (GetAsyncKeyState('B') & 0x8000) != 0;  // the down state only
            if (down && !was_down) {
              seen_at_ = Clock::now().time_since_epoch().count();
              ++presses_;
            }
            was_down = down;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
          }
        }) {}
  ~KeyPoll() {
    stop_ = true;
    thread_.join();
  }
  Clock::time_point seen_at() const { return Clock::time_point(Clock::duration(seen_at_)); }
  int presses() const { return presses_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<Clock::rep> seen_at_{0};
  std::atomic<int> presses_{0};
  std::thread thread_;
};

INPUT key_input(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

void send(WORD key, bool up) {
  INPUT in = key_input(key, up);
  SendInput(1, &in, sizeof(in));
}

double median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

int run(int presses, int taps) {
  const auto wait = std::chrono::milliseconds(2000);
  TerminalRun terminal;
  if (!terminal.ready_or_say()) return 1;
  TestExpert expert(terminal.panel_window());
  if (!expert.attached() || terminal.send("activate") != sim_terminal::kReplyDone ||
      !wait_until([&] { return GetForegroundWindow() == terminal.main(); }, 5s)) {
    std::fputs("cannot reach the exchange fields or bring the terminal in front\n", stderr);
    return 1;
  }
  // One press: Shift, then B held until the expert reads the command; the milliseconds from
  // B going down to then, or nothing.
  const auto press = [&](Clock::time_point& down) -> std::optional<double> {
    send(VK_SHIFT, false);
    std::this_thread::sleep_for(30ms);
    down = Clock::now();
    send('B', false);
    const auto command = expert.take_command(wait);
    const auto read = Clock::now();
    send('B', true);
    send(VK_SHIFT, true);
    expert.wait_idle();
    std::this_thread::sleep_for(100ms);
    if (!command) return std::nullopt;
    if (command->rfind(L"OPEN_BUY;", 0) != 0) std::fprintf(stderr, "came: %ls\n", command->c_str());
    return ms_between(down, read);
  };
  const auto tap = [&] {
    send(VK_SHIFT, false);
    std::this_thread::sleep_for(20ms);
    send('B', false);
    std::this_thread::sleep_for(30ms);
    send('B', true);
    send(VK_SHIFT, true);
    const bool came = expert.take_command(1s).has_value();
    expert.wait_idle();
    std::this_thread::sleep_for(100ms);
    return came;
  };
  std::vector<double> taken_ms, seen_ms;
  Clock::time_point down;
  // Wine brings its key state in line with the X server's shortly after the keyboard changes
  // hands, which lets go of keys sent through SendInput: a first press then would be cut.
  std::this_thread::sleep_for(1s);
  for (int i = 0; i < presses; ++i) {
    if (const auto ms = press(down)) {
      taken_ms.push_back(*ms);
    } else {
      std::fprintf(stderr, "press %d gave no command\n", i + 1);
    }
  }
  int caught = 0;
  for (int i = 0; i < taps; ++i) caught += tap() ? 1 : 0;
  // The same presses with the panel in front, through its own message loop.
  std::vector<double> panel_ms;
  HWND panel = terminal.panel_window();
  if (input::click_until_foreground(panel_control(panel, names::kLotField), panel)) {
    std::this_thread::sleep_for(1s);
    for (int i = 0; i < presses; ++i) {
      // Under Wine the desktop may take the keyboard once after the panel took it from the
      // terminal: the user clicks the panel again, and the bench says so.
      if (GetForegroundWindow() != panel) {
        std::fprintf(stderr, "press %d: the panel had lost the keyboard; lot field clicked again\n",
                     i + 1);
        input::click_until_foreground(panel_control(panel, names::kLotField), panel);
        std::this_thread::sleep_for(1s);
      }
      if (const auto ms = press(down)) panel_ms.push_back(*ms);
    }
  }
  if (!terminal.send("activate")) return 1;
  std::this_thread::sleep_for(1s);
  int polled = 0;
  {
    KeyPoll poll;
    for (int i = 0; i < presses; ++i) {
      press(down);
      if (poll.seen_at() >= down) seen_ms.push_back(ms_between(down, poll.seen_at()));
    }
    const int before = poll.presses();
    for (int i = 0; i < taps; ++i) tap();
    polled = poll.presses() - before;
  }
  if (taken_ms.empty()) {
    std::fputs("Shift+B: no command arrived\n", stderr);
    return 1;
  }
  std::printf(
      "| Shift+B down (terminal in front) to OPEN_BUY read by the expert, median of %zu | "
      "%.1f ms, max %.1f ms | a 10 ms poll of the key's down state in the bench sees it: median "
      "%.1f ms, max %.1f ms |\n",
      taken_ms.size(), median(taken_ms), *std::max_element(taken_ms.begin(), taken_ms.end()),
      seen_ms.empty() ? -1.0 : median(seen_ms),
      seen_ms.empty() ? -1.0 : *std::max_element(seen_ms.begin(), seen_ms.end()));
  std::printf(
      "| 30 ms taps of Shift+B that gave a command | %d of %d | a 10 ms poll of the key's "
      "down state in the bench saw %d of %d |\n",
      caught, taps, polled, taps);
  if (!panel_ms.empty()) {
    std::printf(
        "| Shift+B down (panel in front) to OPEN_BUY read by the expert, median of %zu | "
        "%.1f ms, max %.1f ms | the same with the terminal in front: above |\n",
        panel_ms.size(), median(panel_ms), *std::max_element(panel_ms.begin(), panel_ms.end()));
  }
  return 0;
}

}  // namespace
}  // namespace pelmora::e2e

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  const int taps = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  return pelmora::e2e::run(presses, taps);
}
