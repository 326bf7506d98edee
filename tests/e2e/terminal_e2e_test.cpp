// End to end under Wine: the substitute terminal on its own, then starting the real panel; every
// check reads real windows and process state from outside both programs, never the panel's word.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "control_protocol.h"
#include "form/names.h"
#include "orders_latency.h"
#include "scratch_folder.h"
#include "terminal_driver.h"
#include "test_expert.h"
#include "window_search.h"

namespace pelmora::e2e {
namespace {

namespace sim = sim_terminal;

bool ends(HANDLE process) {
  return wait_until([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; });
}

// Runs sim-terminal.exe without a panel to its end (ended after 30 s): its exit code and what it
// wrote to its standard error stream.
std::pair<DWORD, std::string> run_to_end(const std::wstring& options) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherited, 1 << 16)) return {STILL_ACTIVE, ""};
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = write;
  std::wstring line = L"\"" + terminal_program() + L"\" --no-panel " + options;
  PROCESS_INFORMATION p{};
  DWORD code = STILL_ACTIVE;
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &p)) {
    if (WaitForSingleObject(p.hProcess, 30000) == WAIT_TIMEOUT) TerminateProcess(p.hProcess, code);
    WaitForSingleObject(p.hProcess, 5000);
    code = exit_code(p.hProcess);
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
  }
  CloseHandle(write);
  std::string errors;
  char buffer[4096];
  for (DWORD n = 0; ReadFile(read, buffer, sizeof buffer, &n, nullptr) && n > 0;) {
    errors.append(buffer, n);
  }
  CloseHandle(read);
  return {code, errors};
}

constexpr char kHeader[] = "Date,Time,Open,High,Low,Close,Volume\r\n";
constexpr char kFirstBar[] = "2026.01.05,00:00,1.10000,1.10050,1.09950,1.10020,10\r\n";

TEST(SubstituteTerminal, RefusesAHistoryOrALengthItCannotUseAndOpensNoWindow) {
  ScratchFolder folder;
  const std::wstring bad = L"\"" +
                           folder.file(L"bad.csv", std::string(kHeader) + kFirstBar +
                                                       "2026.01.05,00:05,1.1,high,1.0,1.1,12\r\n") +
                           L"\"";
  const std::pair<std::wstring, const char*> cases[] = {
      {L"--history " + bad, "line 3"},
      {L"--history \"" + (folder.path() / L"missing.csv").wstring() + L"\"", "missing.csv"},
      {L"--history \"" + folder.path().wstring() + L"\"", "is a folder"},
      {L"--from 2030-01-01", "after the history's last bar"},
      {L"--bars 0", "--bars"},
      {L"--bars 5000001", "--bars"},
      {L"--bars 12x", "--bars"},
      {L"--bars 5 --history " + bad, "--bars"}};
  for (const auto& [options, named] : cases) {
    const auto [code, errors] = run_to_end(options);
    EXPECT_EQ(code, 2u) << errors;
    EXPECT_NE(errors.find(named), std::string::npos) << errors;
  }
}

// Without an expert nobody trades: the replay of a file's history or of the bundled series of
// the length asked for stops by itself and sums up an empty test in the pane, the trades file
// and the journal file of the same run. Every bar gives one to seven ticks.
TEST(SubstituteTerminal, ReplaysAHistoryToItsEndAndSumsItUp) {
  ScratchFolder folder;
  const std::wstring history =
      folder.file(L"history.csv", std::string(kHeader) + kFirstBar +
                                      "2026.01.05,00:05,1.10020,1.10060,1.09990,1.10030,12\r\n"
                                      "2026.01.05,00:10,1.10030,1.10040,1.09900,1.09950,9\r\n");
  const std::pair<std::vector<std::wstring>, LRESULT> cases[] = {
      {{L"--history", L"\"" + history + L"\""}, 3}, {{L"--bars", L"2"}, 2}};
  for (const auto& [options, bars] : cases) {
    std::vector<std::wstring> all{L"--no-panel"};
    all.insert(all.end(), options.begin(), options.end());
    TerminalRun run(all);
    ASSERT_TRUE(run.started());
    ASSERT_EQ(run.send("set-speed 32"), sim::kReplyDone);
    ASSERT_TRUE(wait_until([&] { return run.send("summary-shown") == 1; }));
    EXPECT_EQ(run.send("test-state"), sim::kTestStopped);
    const LRESULT ticks = run.send("ticks").value_or(0);
    EXPECT_TRUE(ticks >= bars && ticks <= 7 * bars) << ticks << " ticks";
    HWND summary = FindWindowExW(run.chart(1), nullptr, sim::kSummaryClass, nullptr);
    const std::wstring figures = window_text(summary).value_or(L"");
    EXPECT_EQ(figures.rfind(L"Итоги теста\r\n", 0), 0u) << figures;
    EXPECT_NE(figures.find(L"\r\nЗакрытых сделок: 0\r\n"), std::wstring::npos) << figures;
    EXPECT_NE(run.journal().read_one(L"journal-").find("test stopped: 0 trades"),
              std::string::npos);
    EXPECT_EQ(run.journal().read_one(L"trades-").rfind("ticket,", 0), 0u);
  }
}

// One run through what the panel follows: a minimised terminal and another chart in front hide
// it; a terminal that hangs as it brings our chart back must not stall the expert's side of the
// link (the orders list follows each write within a few link ticks); it follows moves, and ends
// by itself once its chart is closed and the user clicks it.
TEST(PanelOverTerminal, FollowsHidesKeepsTheLinkThroughAHangAndEndsWithItsChart) {
  TerminalRun run;
  ASSERT_TRUE(run.started() && run.wait_placed()) << run.describe();
  Sleep(1000);  // still there a few following periods later: placed, not passing through
  EXPECT_TRUE(run.panel_placed()) << run.describe();
  ASSERT_EQ(run.send("minimise"), 1);
  EXPECT_TRUE(wait_until([&] { return !run.panel_visible(); })) << run.describe();
  ASSERT_EQ(run.send("restore"), 1);
  EXPECT_TRUE(run.wait_placed()) << run.describe();

  TestExpert expert(run.panel_window());
  HWND list = panel_control(run.panel_window(), form::names::kOrdersList);
  ASSERT_TRUE(expert.attached() && list) << "the exchange fields or the orders list";
  ASSERT_EQ(run.send("front 2"), 1);
  ASSERT_TRUE(wait_until([&] { return !run.panel_visible(); })) << run.describe();
  ASSERT_EQ(run.send("front 1"), 1);
  ASSERT_EQ(run.send("hang 5000"), 1);
  ASSERT_TRUE(wait_until([&] { return !answers(run.main(), 200); }, 3s)) << "no hang";
  // The link is off while the panel is hidden, by design, and back on as it is shown.
  ASSERT_TRUE(wait_until([&] { return run.panel_visible(); }, 3s)) << run.describe();
  for (int serial = 0; serial < 4; ++serial) {
    EXPECT_TRUE(orders_shown_after(expert, list, serial, 1500ms)) << "write " << serial;
    Sleep(200);
  }
  EXPECT_FALSE(answers(run.main(), 50)) << "the hang ended before the checks did";
  ASSERT_TRUE(wait_until([&] { return answers(run.main(), 200); })) << "the terminal stayed hung";
  EXPECT_TRUE(run.panel_running()) << "a hung terminal was taken for a closed chart";
  ASSERT_EQ(run.send("move 150 110 820 600"), 1);
  EXPECT_TRUE(run.wait_placed()) << run.describe();

  // With the chart's windows gone only the panel's own keyboard focus lets it see that.
  HWND panel = run.panel_window();
  ASSERT_EQ(run.send("close-chart 1"), 1);
  SetForegroundWindow(panel);
  ASSERT_TRUE(ends(run.panel_process())) << run.describe();
  EXPECT_EQ(exit_code(run.panel_process()), 0u);
}

}  // namespace
}  // namespace pelmora::e2e
