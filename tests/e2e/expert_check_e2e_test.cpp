// The expert checker checks itself: the substitute terminal's expert and the example expert pass
// every rule and the checker ends as the panel does when each closes its chart; an expert
// broken on purpose fails on the rule it breaks and on no other. Each run copies the checker
// into a scratch folder, where it writes its report.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "expert_tree.h"
#include "faulty_expert.h"
#include "terminal_driver.h"
#include "win32/relative_program.h"
#include "window_search.h"

namespace pelmora::e2e {
namespace {

namespace fs = std::filesystem;

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

// Each rule's outcome by its name, from the report's lines "PASS [name] ...".
std::map<std::string, std::string> outcomes(const std::string& report) {
  std::map<std::string, std::string> result;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    const size_t open = line.find(" ["), close = line.find("] ");
    if (open == std::string::npos || close == std::string::npos || line.rfind(" ", 0) == 0) {
      continue;
    }
    result[line.substr(open + 2, close - open - 2)] = line.substr(0, open);
  }
  return result;
}

std::vector<std::string> with_outcome(const std::string& report, const std::string& outcome) {
  std::vector<std::string> names;
  for (const auto& [name, got] : outcomes(report)) {
    if (got == outcome) names.push_back(name);
  }
  return names;
}

DWORD exit_code(HANDLE process) {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

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
  const std::wstring example = win32_test::program_beside_this_one(PELMORA_MINIMAL_EXPERT_RELATIVE);
  std::wstring command_line = L"\"" + example + L"\" --panel \"" + checker.program() +
                              L"\" --out \"" + checker.in_folder(L"commands.txt") + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(example.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0,
                             nullptr, nullptr, &startup, &process));
  const bool reported = wait_until([&] { return checker.reported(); }, kReportBound);
  const std::string report = checker.report();
  EXPECT_TRUE(reported);
  EXPECT_EQ(with_outcome(report, "PASS").size(), 12u) << report;

  PostMessageW(process_window(process.dwProcessId, L"MinimalExpertMain"), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, kEndBoundMs), WAIT_OBJECT_0);
  if (exit_code(process.hProcess) == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
  EXPECT_EQ(exit_code(process.hProcess), 0u);
  EXPECT_NE(checker.report().find("End: the chart frame's title was emptied"), std::string::npos)
      << checker.report();
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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

}  // namespace
}  // namespace pelmora::e2e
