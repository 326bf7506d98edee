// A long run of the panel over the substitute terminal, for make soak: the terminal replays its
// bundled history at full speed while its own expert writes the quotes at every link tick and
// carries out the panel's commands, the user's hand presses the panel's buttons, and the
// terminal is minimised and restored, hidden behind its other chart and covered by another
// program, over and over. The panel's process is sampled all along; the run fails when a figure
// grows, when the panel ends or stops answering, when it does not come back over the chart, when
// a click is lost (neither carried out nor refused by the expert), or when the replay ends before
// the run does.
// Usage: pelmora_soak [minutes (default 30)] [seconds between samples (default 3)]
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cwctype>
#include <functional>
#include <string>
#include <thread>

#include "control_protocol.h"
#include "form/names.h"
#include "options.h"
#include "platform/win32/gdi_handles.h"
#include "practice/replay.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "window_search.h"

namespace pelmora::soak {

namespace names = pelmora::form::names;
namespace {

namespace sim = sim_terminal;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A look at the panel's process: its windows (top-level ones, those inside any other window,
// since its owner window lives in the terminal's chart frame, and message-only ones, its
// timers), its handles, and its resident memory. Under Wine the memory is read from the Linux
// process that carries it (/proc through the Z: drive), since that is what the machine really
// spends. A figure the system does not report is left out rather than taken as a value.

struct WindowTally {
  DWORD process_id;
  int count = 0;
};

BOOL CALLBACK tally_child(HWND window, LPARAM param) {
  auto* tally = reinterpret_cast<WindowTally*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  tally->count += owner == tally->process_id;
  return TRUE;
}

// Top-level windows and every descendant of any: the panel's owner window lives inside the
// terminal's chart frame, so the terminal's tree is searched as well.
BOOL CALLBACK tally_top_level(HWND window, LPARAM param) {
  tally_child(window, param);
  EnumChildWindows(window, tally_child, param);
  return TRUE;
}

// The whole content of a small Linux file, through Wine's Z: drive; empty when unreadable.
std::string linux_file(const std::wstring& path) {
  const platform::win32::UniqueHandle<HANDLE, CloseHandle> file(
      CreateFileW((L"Z:" + path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr));
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (file.get() != INVALID_HANDLE_VALUE &&
         ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    content.append(buffer, got);
  }
  return content;
}

// Wine sets a Linux process's command line to the Windows one; arguments are NUL-separated.
// Paths and numbers here are ASCII; the path compares without regard to case.
int find_linux_pid(const std::wstring& program, const std::wstring& parameter) {
  std::string expected(program.begin(), program.end());
  expected += '\0' + std::string(parameter.begin(), parameter.end()) + '\0';
  WIN32_FIND_DATAW entry{};
  const platform::win32::UniqueHandle<HANDLE, FindClose> search(
      FindFirstFileW(L"Z:\\proc\\*", &entry));
  if (search.get() == INVALID_HANDLE_VALUE) return 0;
  do {
    if (!std::iswdigit(entry.cFileName[0])) continue;
    const std::string line = linux_file(L"\\proc\\" + std::wstring(entry.cFileName) + L"\\cmdline");
    const auto same = [](char a, char b) {
      return std::tolower(static_cast<unsigned char>(a)) ==
             std::tolower(static_cast<unsigned char>(b));
    };
    if (line.size() >= expected.size() &&
        std::equal(expected.begin(), expected.end(), line.begin(), same)) {
      return std::wcstol(entry.cFileName, nullptr, 10);
    }
  } while (FindNextFileW(search.get(), &entry));
  return 0;
}

struct Census {
  int windows = 0;
  std::optional<double> handles, rss_kb;
};

Census census(DWORD process_id, HANDLE process, int linux_pid) {
  Census c;
  WindowTally tally{process_id};
  EnumWindows(tally_top_level, reinterpret_cast<LPARAM>(&tally));
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
    tally_child(w, reinterpret_cast<LPARAM>(&tally));
  }
  c.windows = tally.count;
  DWORD handles = 0;
  if (GetProcessHandleCount(process, &handles) && handles > 0) c.handles = handles;
  const std::string status = linux_file(L"\\proc\\" + std::to_wstring(linux_pid) + L"\\status");
  const size_t at = status.find("VmRSS:");
  if (linux_pid && at != std::string::npos) c.rss_kb = std::atof(status.c_str() + at + 6);
  return c;
}

constexpr int kFastest = 32;
// The bundled series' bars take 3 to 7 ticks (about 6.9 on average): counted at 3, the replay
// outlasts the run and its start-up with room to spare; an ended replay fails the run.
constexpr double kFewestTicksPerBar = 3, kStartUpSeconds = 120;

// A sampled figure and how much its floor may rise: from the lowest sample of the second
// quarter of the run to the lowest of the last, so that start-up, spikes and swings that fall
// back pass and only what a leak keeps counts. Under Wine a clean panel's memory moves in whole
// window surfaces (about 2.8 MB), and over 10 minutes its floor was seen one surface higher in
// the last quarter, so the memory limit lies above two: 2 KB kept per link tick exceeds it in a
// 3-minute run, a few hundred bytes in the default 30 minutes. One window or handle kept per
// cycle exceeds its limit within a few minutes.
struct Figure {
  const char* name;
  double scale, limit;  // printed values are samples / scale
  std::vector<double> samples{};
  // Nothing with fewer than two samples a quarter.
  std::optional<double> growth() const {
    const auto quarter = static_cast<std::ptrdiff_t>(samples.size() / 4);
    if (quarter < 2) return std::nullopt;
    const auto low = [](auto from, auto to) { return *std::min_element(from, to); };
    return low(samples.end() - quarter, samples.end()) -
           low(samples.begin() + quarter, samples.begin() + 2 * quarter);
  }
};

class Soak {
 public:
  Soak(e2e::TerminalRun& run, std::chrono::seconds every)
      : run_(run),
        panel_(run.panel_window()),
        process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                             GetProcessId(run.panel_process()))),
        linux_pid_(find_linux_pid(e2e::panel_program(), run.parameter())),
        every_(every) {}

  void cycle(int number);
  // Why the run cannot go on; empty while all is well.
  std::string fault;
  Figure figures[3] = {{"RSS (MB)", 1024, 6144}, {"windows", 1, 2}, {"handles", 1, 8}};
  int clicks = 0, answered = 0, refused = 0, lost = 0;
  LRESULT ask(const std::string& figure) { return run_.send(figure).value_or(-1); }
  int linux_pid() const { return linux_pid_; }

 private:
  // Waits for `condition`, sampling when due and answering the messages of this thread's cover
  // window as any program would; false on a timeout or a fault.
  bool wait_for(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    for (const auto deadline = Clock::now() + timeout; fault.empty();) {
      if (condition()) return true;
      if (Clock::now() >= deadline) return false;
      for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
      if (Clock::now() >= next_sample_) sample();
      std::this_thread::sleep_for(15ms);
    }
    return false;
  }
  void pass(std::chrono::milliseconds time) {
    wait_for([] { return false; }, time);
  }
  // The panel lies over the chart again within 30 s, or the run ends with `what`.
  void back_over_chart(const std::string& what) {
    if (!wait_for([&] { return run_.panel_placed(); }, 30s) && fault.empty()) {
      const std::wstring state = run_.describe();
      fault = "the panel did not come back over the chart: " + what + ": " +
              std::string(state.begin(), state.end());
    }
  }
  void sample();
  void press(std::string_view control, const std::string& counter);

  e2e::TerminalRun& run_;
  HWND panel_;
  platform::win32::UniqueHandle<HANDLE, CloseHandle> process_;
  int linux_pid_;
  std::chrono::seconds every_;
  Clock::time_point next_sample_ = Clock::now();
};

void Soak::sample() {
  if (!run_.panel_running()) fault = "the panel ended";
  if (fault.empty() && !e2e::answers(panel_, 5000)) fault = "the panel stopped answering for 5 s";
  if (fault.empty() && ask("test-state") != sim::kTestRunning) fault = "the replay stopped first";
  if (!fault.empty()) return;
  if (ask("speed") != kFastest) run_.send("set-speed " + std::to_string(kFastest));
  const Census c = census(GetProcessId(process_.get()), process_.get(), linux_pid_);
  for (auto [figure, value] : {std::pair{&figures[0], c.rss_kb},
                               {&figures[1], std::optional<double>(c.windows)},
                               {&figures[2], c.handles}}) {
    if (value) figure->samples.push_back(*value);
  }
  // From now, not from when it was due: a late sample brings no burst of catch-up ones.
  next_sample_ = Clock::now() + every_;
}

// A click that the terminal's expert must carry out, raising the terminal's `counter`.
void Soak::press(std::string_view control, const std::string& counter) {
  HWND button = e2e::panel_control(panel_, control);
  if (!button || !IsWindowEnabled(button)) return;
  const LRESULT before = ask(counter);
  const size_t journal_before = run_.journal().read_one(L"journal-").size();
  ++clicks;
  if (e2e::input::click(e2e::input::centre_of(button)) &&
      wait_for([&] { return ask(counter) > before; }, 5s)) {
    ++answered;
    return;
  }
  // Not carried out: the expert's journal tells a refusal (with its reason) from a lost click,
  // one that never reached the expert.
  const std::string journal = run_.journal().read_one(L"journal-");
  const std::string since = journal.substr(std::min(journal_before, journal.size()));
  const bool was_refused = since.find(": refused: ") != std::string::npos;
  ++(was_refused ? refused : lost);
  std::fprintf(stderr, "soak: a click on %s %s: %s\n", std::string(control).c_str(),
               was_refused ? "was refused by the expert" : "was lost",
               since.empty() ? "nothing in the expert's journal" : since.c_str());
}

// An order opened, then closed down to 0 to 3 open ones, so that the order lines and the
// selected ticket keep changing; then the terminal goes and comes back three ways.
void Soak::cycle(int number) {
  pass(500ms);
  HWND lot = e2e::panel_control(panel_, names::kLotField);
  if (lot && e2e::input::click_until_foreground(lot, panel_)) {
    press(number % 2 ? names::kSellButton : names::kBuyButton, "open-count");
    for (int i = 0; i < 4 && ask("open-count") > number % 4 && fault.empty(); ++i) {
      pass(300ms);  // the link tick mirrors the order book and clears the last command
      press(names::kCloseButton, "closed-count");
    }
  }
  for (const auto& [hide, show] : {std::pair{"minimise", "restore"}, {"front 2", "front 1"}}) {
    run_.send(hide);
    if (!wait_for([&] { return !run_.panel_visible(); }, 10s) && fault.empty()) {
      fault = std::string("the panel did not hide: ") + hide;
    }
    pass(700ms);
    run_.send(show);
    back_over_chart(show);
  }
  RECT r{};
  GetWindowRect(run_.main(), &r);
  // Another program's window over the terminal, holding the keyboard.
  const platform::win32::UniqueHandle<HWND, DestroyWindow> cover(CreateWindowExW(
      0, L"STATIC", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, r.left, r.top,
      r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  SetForegroundWindow(cover.get());
  pass(1500ms);
  run_.send("activate");
  back_over_chart("another program over the terminal");
}

int run(double minutes, std::chrono::seconds every) {
  e2e::TerminalRun terminal(
      {L"--bars", std::to_wstring(static_cast<int>(std::min<double>(
                      (minutes * 60 + kStartUpSeconds) * practice::ticks_per_second(kFastest) /
                          kFewestTicksPerBar,
                      sim::kMaxBars)))},
      e2e::ExpertSide::terminal);
  if (!terminal.started() || !terminal.wait_placed() ||
      terminal.send("set-speed " + std::to_string(kFastest)) != sim::kReplyDone ||
      !e2e::wait_until([&] {
        // Looked up here: the panel's window is there only once the terminal has started it.
        HWND quotes = e2e::panel_control(terminal.panel_window(), names::kQuotes);
        return e2e::window_text(quotes).value_or(L"").find(L" / ") != std::wstring::npos;
      })) {
    std::fprintf(stderr, "soak: no panel with quotes over a running replay: %ls\n",
                 terminal.describe().c_str());
    return 2;
  }
  const auto start = Clock::now();
  Soak soak(terminal, every);
  // The user's hand moves the panel's speed slider to its end once; the panel hands that to the
  // tester every time it is shown.
  HWND slider = e2e::panel_control(terminal.panel_window(), names::kSpeedSlider);
  if (e2e::input::click_until_foreground(slider, terminal.panel_window())) {
    e2e::input::press_key(VK_END);
  }
  int cycles = 0;
  while (Clock::now() - start < std::chrono::duration<double, std::ratio<60>>(minutes) &&
         soak.fault.empty()) {
    soak.cycle(++cycles);
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("| soak run | %.1f min, %d cycles, linux pid %d | %d of %d clicks carried out |\n",
              minutes, cycles, soak.linux_pid(), soak.answered, soak.clicks);
  std::printf("| soak clicks not carried out | %d lost | %d refused by the expert |\n", soak.lost,
              soak.refused);
  std::printf("| soak replay at speed %d | %.0f ticks a second | nominal %.0f |\n", kFastest,
              static_cast<double>(soak.ask("ticks")) / seconds,
              practice::ticks_per_second(kFastest));
  int status = soak.fault.empty() ? 0 : 1;
  for (const Figure& f : soak.figures) {
    const auto growth = f.growth();
    const double first = f.samples.empty() ? 0 : f.samples.front() / f.scale;
    const double last = f.samples.empty() ? 0 : f.samples.back() / f.scale;
    std::printf("| soak %s | %.1f to %.1f | floor rose %.1f, limit %.1f%s |\n", f.name, first, last,
                growth.value_or(0) / f.scale, f.limit / f.scale,
                !growth             ? " (too few samples)"
                : *growth > f.limit ? ": GREW"
                                    : "");
    if (growth && *growth > f.limit) status = 1;
    if (!growth && !f.samples.empty()) status = std::max(status, 2);
  }
  if (soak.answered == 0 || soak.lost > 0) status = 1;
  if (status != 0) {
    std::fprintf(stderr, "soak FAILED after %d cycles: %s\n", cycles,
                 !soak.fault.empty()  ? soak.fault.c_str()
                 : soak.answered == 0 ? "no click was carried out by the expert"
                 : soak.lost > 0      ? "a click was lost"
                 : status == 2        ? "too few samples to judge; run longer"
                                      : "a figure grew");
  }
  return status;
}

}  // namespace
}  // namespace pelmora::soak

int main(int argc, char** argv) {
  const double minutes = argc > 1 ? std::atof(argv[1]) : 30;
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;
  if (minutes <= 0 || seconds <= 0) {
    std::fprintf(stderr, "usage: pelmora_soak [minutes > 0] [seconds between samples > 0]\n");
    return 2;
  }
  return pelmora::soak::run(minutes, std::chrono::seconds(seconds));
}
