// A long run of the panel over the substitute terminal, for make soak: the terminal replays its
// bundled history at full speed while its own expert writes the quotes at every link tick and
// carries out the panel's commands, the user's hand presses the panel's buttons, and the
// terminal is minimised and restored, hidden behind its other chart and covered by another
// program, over and over. The panel's process is sampled all along; the run fails when a figure
// grows, when the panel ends or stops answering, when it does not come back over the chart, or
// when the replay ends before the run does.
// Usage: pelmora_soak [minutes (default 30)] [seconds between samples (default 3)]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include "control_protocol.h"
#include "cover_window.h"
#include "form/names.h"
#include "growth_check.h"
#include "options.h"
#include "practice/replay.h"
#include "process_census.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "window_search.h"

namespace pelmora::soak {

namespace names = pelmora::form::names;
namespace {

namespace sim = sim_terminal;

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// How much each figure's floor may rise between the second and the last quarter of the run.
// Under Wine a clean panel's memory moves in whole window surfaces (about 2.8 MB), and over 10
// minutes its floor was seen one surface higher in the last quarter, so the memory limit lies
// above two: 2 KB kept per link tick exceeds it in a 3-minute run (+7.2 MB), a few hundred bytes
// per tick in the default 30 minutes. One window, handle or GDI object kept per cycle exceeds
// its limit within a few minutes.
constexpr double kRssLimitKb = 6144;
constexpr double kWindowLimit = 2;
constexpr double kHandleLimit = 8;
constexpr double kGdiLimit = 8;
constexpr double kUserLimit = 4;

constexpr auto kPlacedWithin = 30s;
constexpr auto kHiddenWithin = 10s;
constexpr auto kCommandWithin = 5s;

constexpr int kFastest = 32;
// The bundled series' bars take 3 to 7 ticks (about 6.9 on average): counted at 3, the replay
// outlasts the run with room to spare; an ended replay fails the run rather than idling it.
constexpr double kFewestTicksPerBar = 3;
constexpr double kStartUpSeconds = 120;

// Bars enough for `minutes` of replay at the fastest speed, start-up included.
int bars_for(double minutes) {
  const double ticks = (minutes * 60 + kStartUpSeconds) * practice::ticks_per_second(kFastest);
  return static_cast<int>(std::min<double>(ticks / kFewestTicksPerBar + 1, sim::kMaxBars));
}

struct Figures {
  Series rss{"RSS", "MB", 1024, kRssLimitKb, {}};
  Series windows{"windows", "", 1, kWindowLimit, {}};
  Series handles{"handles", "", 1, kHandleLimit, {}};
  Series gdi{"GDI objects", "", 1, kGdiLimit, {}};
  Series user{"USER objects", "", 1, kUserLimit, {}};

  void add(const Census& c) {
    windows.samples.push_back(c.windows);
    const auto keep = [](Series& s, const std::optional<double>& v) {
      if (v) s.samples.push_back(*v);
    };
    keep(rss, c.rss_kb);
    keep(handles, c.handles);
    keep(gdi, c.gdi_objects);
    keep(user, c.user_objects);
  }
  std::vector<const Series*> all() const { return {&rss, &windows, &handles, &gdi, &user}; }
};

class Soak {
 public:
  Soak(e2e::TerminalRun& run, std::chrono::seconds sample_every)
      : run_(run),
        panel_(run.panel_window()),
        census_(GetProcessId(run.panel_process()), e2e::panel_program(), run.parameter()),
        sample_every_(sample_every),
        next_sample_(Clock::now()) {}

  int linux_pid() const { return census_.linux_pid(); }
  // Why the run cannot go on; empty while all is well.
  const std::string& fault() const { return fault_; }

  void cycle(int number);
  // The panel hands its own speed slider's position to the tester every time it is shown: the
  // user's hand moves that slider to its end once, and the run puts the tester back at the
  // fastest speed whenever it finds it slower.
  void fastest_by_hand();

  const Figures& figures() const { return figures_; }
  int clicks() const { return clicks_; }
  int answered() const { return answered_; }
  // One of the terminal's figures (control_protocol.h); -1 when it did not answer.
  LRESULT ask(std::string_view figure) { return run_.send(figure).value_or(-1); }

 private:
  // Waits, sampling when due and handling the cover window's messages.
  void pass(std::chrono::milliseconds time);
  bool wait_for(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
  void step(const char* what, const std::function<bool()>& condition,
            std::chrono::milliseconds timeout);
  void sample_if_due();
  bool panel_alive();

  void trade_by_hand(int number);
  bool take_keyboard();
  void press(std::string_view control, std::string_view counter);
  bool gone_and_back(const char* hide, const char* show, const char* what);

  e2e::TerminalRun& run_;
  HWND panel_;
  ProcessCensus census_;
  Figures figures_;
  std::chrono::seconds sample_every_;
  Clock::time_point next_sample_;
  std::string fault_;
  int clicks_ = 0, answered_ = 0;
};

void Soak::pass(std::chrono::milliseconds time) {
  wait_for([] { return false; }, time);
}

bool Soak::wait_for(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (fault_.empty()) {
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    pump_messages();
    sample_if_due();
    std::this_thread::sleep_for(15ms);
  }
  return false;
}

void Soak::step(const char* what, const std::function<bool()>& condition,
                std::chrono::milliseconds timeout) {
  if (!wait_for(condition, timeout) && fault_.empty()) {
    const std::wstring state = run_.describe();
    fault_ = std::string(what) + ": " + std::string(state.begin(), state.end());
  }
}

bool Soak::panel_alive() {
  if (!run_.panel_running()) {
    fault_ = "the panel ended";
  } else if (!e2e::answers(panel_, 5000)) {
    fault_ = "the panel stopped answering for 5 s";
  } else if (ask("test-state") != sim::kTestRunning) {
    fault_ = "the replay ended or paused before the run did";
  }
  return fault_.empty();
}

void Soak::sample_if_due() {
  if (Clock::now() < next_sample_ || !panel_alive()) return;
  if (ask("speed") != kFastest) run_.send("set-speed " + std::to_string(kFastest));
  figures_.add(census_.take());
  // From now, not from when it was due: a late sample does not bring a burst of catch-up ones.
  next_sample_ = Clock::now() + sample_every_;
}

void Soak::fastest_by_hand() {
  HWND slider = e2e::panel_control(panel_, names::kSpeedSlider);
  if (slider && e2e::input::click_until_foreground(slider, panel_)) e2e::input::press_key(VK_END);
}

bool Soak::take_keyboard() {
  HWND lot = e2e::panel_control(panel_, names::kLotField);
  return lot && e2e::input::click_until_foreground(lot, panel_);
}

// A click that the terminal's expert must carry out, raising the terminal's `counter`.
void Soak::press(std::string_view control, std::string_view counter) {
  HWND button = e2e::panel_control(panel_, control);
  if (!button || !IsWindowEnabled(button)) return;
  const LRESULT before = ask(counter);
  ++clicks_;
  if (e2e::input::click(e2e::input::centre_of(button)) &&
      wait_for([&] { return ask(counter) > before; }, kCommandWithin)) {
    ++answered_;
  }
}

// One order opened, then closed down to 0 to 3 open ones, so that the number of order lines and
// the selected ticket keep changing.
void Soak::trade_by_hand(int number) {
  if (!take_keyboard()) return;
  const bool sell = number % 2 == 1;
  press(sell ? names::kSellButton : names::kBuyButton, "open-count");
  const LRESULT keep = number % 4;
  for (int closes = 0; closes < 4 && ask("open-count") > keep && fault_.empty(); ++closes) {
    // The link tick mirrors the order book and clears the last command before CLOSE is pressed.
    pass(300ms);
    press(names::kCloseButton, "closed-count");
  }
}

bool Soak::gone_and_back(const char* hide, const char* show, const char* what) {
  run_.send(hide);
  step((std::string("the panel did not hide: ") + what).c_str(),
       [&] { return !run_.panel_visible(); }, kHiddenWithin);
  pass(700ms);
  run_.send(show);
  step((std::string("the panel did not come back over the chart: ") + what).c_str(),
       [&] { return run_.panel_placed(); }, kPlacedWithin);
  return fault_.empty();
}

void Soak::cycle(int number) {
  pass(500ms);
  trade_by_hand(number);
  if (!gone_and_back("minimise", "restore", "terminal minimised and restored")) return;
  if (!gone_and_back("front 2", "front 1", "the other chart in front and back")) return;
  RECT terminal{};
  GetWindowRect(run_.main(), &terminal);
  {
    const CoverWindow cover(terminal);
    pass(1500ms);
  }
  run_.send("activate");
  step(
      "the panel did not come back over the chart: another program over the terminal",
      [&] { return run_.panel_placed(); }, kPlacedWithin);
}

void print_summary(Soak& soak, int cycles, double minutes, double replay_seconds) {
  std::printf("| soak run | %.1f min, %d cycles, %zu samples | linux pid %d |\n", minutes, cycles,
              soak.figures().windows.samples.size(), soak.linux_pid());
  std::printf(
      "| soak clicks carried out by the terminal's expert | %d of %d | %ld orders open, "
      "%ld closed |\n",
      soak.answered(), soak.clicks(), static_cast<long>(soak.ask("open-count")),
      static_cast<long>(soak.ask("closed-count")));
  const double ticks = static_cast<double>(soak.ask("ticks"));
  std::printf("| soak replay at speed %d | %.0f ticks, %.0f a second | nominal %.0f a second |\n",
              kFastest, ticks, ticks / replay_seconds, practice::ticks_per_second(kFastest));
}

int run(double minutes, std::chrono::seconds sample_every) {
  e2e::TerminalRun terminal({L"--bars", std::to_wstring(bars_for(minutes))},
                            e2e::ExpertSide::terminal);
  if (!terminal.started() || !terminal.wait_placed()) {
    std::fprintf(stderr, "soak: the panel did not come over the chart: %ls\n",
                 terminal.describe().c_str());
    return 2;
  }
  if (terminal.send("set-speed " + std::to_string(kFastest)) != sim::kReplyDone) {
    std::fprintf(stderr, "soak: the terminal refused the replay speed\n");
    return 2;
  }
  const auto replay_start = Clock::now();
  HWND quotes = e2e::panel_control(terminal.panel_window(), names::kQuotes);
  if (!e2e::wait_until([&] {
        return e2e::window_text(quotes).value_or(L"").find(L" / ") != std::wstring::npos;
      })) {
    std::fprintf(stderr, "soak: the terminal's expert wrote no quotes to the panel\n");
    return 2;
  }
  Soak soak(terminal, sample_every);
  soak.fastest_by_hand();
  if (!soak.linux_pid()) {
    std::fprintf(stderr, "soak: the panel's Linux process was not found: memory not sampled\n");
  }
  const auto end = Clock::now() + std::chrono::duration<double, std::ratio<60>>(minutes);
  int cycles = 0;
  while (Clock::now() < end && soak.fault().empty()) soak.cycle(++cycles);

  print_summary(soak, cycles, minutes,
                std::chrono::duration<double>(Clock::now() - replay_start).count());
  bool grew = false;
  for (const Series* series : soak.figures().all()) {
    const Judgement j = judge(*series);
    std::printf("%s\n", table_row(*series, j).c_str());
    if (j.reported) {
      std::fprintf(stderr, "samples of %s:", series->name.c_str());
      for (double v : series->samples) std::fprintf(stderr, " %.1f", v / series->scale);
      std::fprintf(stderr, "\n");
    }
    if (j.grew) {
      std::fprintf(stderr,
                   "soak FAILED: the panel's %s rose from a low of %.1f in the second quarter to "
                   "%.1f in the last (limit +%.1f)\n",
                   series->name.c_str(), j.growth.baseline / series->scale,
                   j.growth.late / series->scale, series->limit / series->scale);
    }
    grew = grew || j.grew;
  }
  if (!soak.fault().empty()) {
    std::fprintf(stderr, "soak FAILED after %d cycles: %s\n", cycles, soak.fault().c_str());
    return 1;
  }
  // A run too short to judge must not pass for one that found nothing.
  if (!judge(soak.figures().windows).enough) {
    std::fprintf(stderr, "soak FAILED: too few samples to judge; run longer\n");
    return 2;
  }
  if (soak.answered() == 0) {
    std::fprintf(stderr, "soak FAILED: no click on the panel was carried out by the expert\n");
    return 1;
  }
  return grew ? 1 : 0;
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
