// The example expert and the expert checker under Wine. The checker checks itself: the substitute
// terminal's expert and the example pass every rule and the checker ends as the panel does when
// each closes its chart; an expert broken on purpose fails on the rule it breaks and on no other.
// And the real panel over the example's windows, taking a user's click to the example.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "expert_tree.h"
#include "faulty_expert.h"
#include "form/names.h"
#include "panel_observation.h"
#include "pelmora/link.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "win32/relative_program.h"
#include "window_search.h"

namespace pelmora::e2e {
namespace {

namespace fs = std::filesystem;
namespace names = pelmora::form::names;

constexpr auto kReportBound = 60s;
constexpr DWORD kEndBoundMs = 10000;

// The checker, copied into a folder of this run; the report it writes there.
class Checker {
 public:
  Checker() {
    fs::copy_file(win32_test::program_beside_this_one(PELMORA_EXPERT_CHECK_RELATIVE), program());
  }
  std::wstring program() const { return in_folder(L"pelmora-expert-check.exe"); }
  std::wstring in_folder(const wchar_t* name) const { return (folder_.path() / name).wstring(); }
  bool reported() const { return fs::exists(folder_.path() / L"expert-check-report.txt"); }
  std::string report() const { return folder_.read_one(L"expert-check-report.txt"); }

 private:
  ScratchFolder folder_{L"pelmora-expert-check-"};
};

// The names of the rules with this outcome, in the report's order, from its lines
// "PASS [name] ...".
std::vector<std::string> with_outcome(const std::string& report, const std::string& outcome) {
  std::vector<std::string> names;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    const size_t close = line.find("] "), from = outcome.size() + 2;
    if (line.starts_with(outcome + " [") && close != std::string::npos) {
      names.push_back(line.substr(from, close - from));
    }
  }
  return names;
}

// The example expert with `panel` as the panel it starts and its commands written to `out`;
// ended with the test if still running.
class Example {
 public:
  Example(const std::wstring& panel, const std::wstring& out) {
    const std::wstring program =
        win32_test::program_beside_this_one(PELMORA_MINIMAL_EXPERT_RELATIVE);
    std::wstring line = L"\"" + program + L"\" --panel \"" + panel + L"\" --out \"" + out + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                   &startup, &process_);
  }
  Example(const Example&) = delete;
  Example& operator=(const Example&) = delete;
  ~Example() {
    if (!process_.hProcess) return;
    kill();
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  HANDLE process() const { return process_.hProcess; }
  DWORD pid() const { return process_.dwProcessId; }
  void kill() const {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0) return;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }

 private:
  PROCESS_INFORMATION process_{};
};

TEST(ExpertCheck, TheSubstituteTerminalsExpertPassesEveryRuleAndTheCheckerGoesWithTheChart) {
  Checker checker;
  TerminalRun run({L"--panel", L"\"" + checker.program() + L"\""}, ExpertSide::terminal);
  ASSERT_TRUE(run.started());
  ASSERT_TRUE(wait_until([&] { return checker.reported(); }, kReportBound));
  const std::string report = checker.report();
  EXPECT_EQ(with_outcome(report, "PASS").size(), 12u) << report;

  HANDLE process = run.panel_process();
  ASSERT_NE(process, nullptr);
  ASSERT_EQ(run.send("destroy-chart 1"), 1);
  EXPECT_EQ(WaitForSingleObject(process, kEndBoundMs), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(process), 0u);
  EXPECT_NE(checker.report().find("End: the chart window is gone."), std::string::npos)
      << checker.report();
}

TEST(ExpertCheck, TheExampleExpertPassesEveryRuleAndTheCheckerEndsWhenItEmptiesTheTitle) {
  Checker checker;
  Example example(checker.program(), checker.in_folder(L"commands.txt"));
  ASSERT_NE(example.process(), nullptr);
  const bool reported = wait_until([&] { return checker.reported(); }, kReportBound);
  const std::string report = checker.report();
  EXPECT_TRUE(reported);
  EXPECT_EQ(with_outcome(report, "PASS").size(), 12u) << report;

  PostMessageW(process_window(example.pid(), L"MinimalExpertMain"), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(example.process(), kEndBoundMs), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(example.process()), 0u);
  EXPECT_NE(checker.report().find("End: the chart frame's title was emptied"), std::string::npos)
      << checker.report();
}

// The four run side by side, each checker over its own tree and expert, to keep the run short.
TEST(ExpertCheck, ABrokenExpertFailsOnTheRuleItBreaksAndOnNoOther) {
  struct Run {
    explicit Run(const char* broken) : rule(broken) {}
    std::string rule;
    Checker checker;
    ExpertTree tree;
    std::optional<FaultyExpert> expert;
  };
  const std::pair<Fault, const char*> cases[] = {{Fault::no_read_ok, "read-ok"},
                                                 {Fault::stale_record, "stop-levels"},
                                                 {Fault::taken_twice, "once"},
                                                 {Fault::quotes_reversed, "quotes"}};
  std::vector<std::unique_ptr<Run>> runs;
  for (const auto& [fault, rule] : cases) {
    auto& run = *runs.emplace_back(std::make_unique<Run>(rule));
    ASSERT_TRUE(run.tree.made());
    ASSERT_TRUE(run.tree.start(run.checker.program()));
    run.expert.emplace(run.tree.parameter(), fault);
  }
  const auto poll = [&] {
    for (auto& run : runs) run->expert->poll();
  };
  const auto all = [&](auto&& holds) {
    return std::all_of(runs.begin(), runs.end(), [&](auto& run) { return holds(*run); });
  };
  ExpertTree& pump = runs.front()->tree;  // any tree's loop takes every window's messages
  EXPECT_TRUE(pump.pump_until([&] { return all([](Run& r) { return r.checker.reported(); }); },
                              kReportBound, poll));
  for (auto& run : runs) {
    const std::string report = run->checker.report();
    EXPECT_EQ(with_outcome(report, "FAIL"), std::vector<std::string>{run->rule}) << report;
    run->tree.empty_title();
  }
  EXPECT_TRUE(
      pump.pump_until([&] { return all([](Run& r) { return !r.tree.running(); }); }, 10s, poll));
}

// The real panel over the example's windows: over the chart area, the lot step of the example's
// record in the lot field, a user's click on BUY taken by the example and its order listed; and
// what the substitute terminal does not do: a main window hidden rather than minimised hides the
// panel, and a terminal that ends without emptying the chart's title first (killed) ends it.
TEST(PanelOverTheExample, TakesAClickedBuyHidesWithTheMainWindowAndEndsWithTheTerminal) {
  ScratchFolder folder;
  Example example(panel_program(), folder.file(L"commands.txt"));
  HWND main = nullptr, area = nullptr, panel = nullptr;
  const auto over_chart = [&] {
    RECT actual{}, area_rect{}, main_rect{};
    if (!IsWindowVisible(panel) || !GetWindowRect(panel, &actual) ||
        !GetWindowRect(area, &area_rect) || !GetWindowRect(main, &main_rect)) {
      return false;
    }
    const RECT expected = sim_terminal::expected_panel_rect(area_rect, main_rect);
    return EqualRect(&actual, &expected) != FALSE;
  };
  ASSERT_TRUE(wait_until([&] {
    main = process_window(example.pid(), L"MinimalExpertMain");
    area = FindWindowExW(main, nullptr, L"MinimalExpertChartArea", nullptr);
    const HWND frame = FindWindowExW(area, nullptr, L"MinimalExpertChartFrame", nullptr);
    const HWND chart = FindWindowExW(frame, nullptr, L"MinimalExpertChart", nullptr);
    if (!chart) return false;
    wchar_t parameter[16];
    pelmora_chart_parameter(chart, parameter);
    panel = pelmora_find_panel(parameter);
    return panel && over_chart();
  })) << "the panel did not come over the example's chart";
  DWORD panel_pid = 0;
  GetWindowThreadProcessId(panel, &panel_pid);
  const std::unique_ptr<void, decltype(&CloseHandle)> panel_process(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE,
                  panel_pid),
      &CloseHandle);
  ASSERT_TRUE(panel_process);

  HWND lot = panel_control(panel, names::kLotField);
  EXPECT_TRUE(wait_until([&] { return window_text(lot) == L"0.10"; }));
  EXPECT_TRUE(input::click_until_foreground(lot, panel));
  EXPECT_TRUE(input::click(input::centre_of(panel_control(panel, names::kBuyButton))));
  EXPECT_TRUE(wait_until([&] { return folder.read_one(L"commands") == "OPEN_BUY;0.10;;;\r\n"; }))
      << "the example took: " << folder.read_one(L"commands");
  const wchar_t* order = L"1002 (buy 0.10 at ";
  EXPECT_TRUE(wait_until([&] {
    return SendMessageW(panel_control(panel, names::kOrdersList), LB_FINDSTRING, -1,
                        reinterpret_cast<LPARAM>(order)) != LB_ERR;
  }));

  ShowWindow(main, SW_HIDE);
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(panel); }, 5s))
      << "the panel stayed up over a hidden terminal";
  ShowWindow(main, SW_SHOWNORMAL);
  SetForegroundWindow(main);
  EXPECT_TRUE(wait_until(over_chart, 5s)) << "the panel did not come back over the chart";

  example.kill();  // the chart's title is never emptied
  EXPECT_EQ(WaitForSingleObject(panel_process.get(), 10000), WAIT_OBJECT_0)
      << "the panel outlived its terminal";
  EXPECT_EQ(exit_code(panel_process.get()), 0u);
  if (exit_code(panel_process.get()) == STILL_ACTIVE) TerminateProcess(panel_process.get(), 1);
}

}  // namespace
}  // namespace pelmora::e2e
