// End to end under Wine: the substitute terminal starts the real panel, and every check reads
// real windows and process state from outside both programs, never the panel's own word.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

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

namespace names = pelmora::form::names;
namespace {

DWORD exit_code(HANDLE process) {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

struct Ended {
  DWORD code = STILL_ACTIVE;
  std::string errors;  // its standard error stream
};

// Runs sim-terminal.exe (without a panel) to its end; one that is still running after 30 s is
// ended and reads as STILL_ACTIVE.
Ended run_to_end(const std::wstring& options) {
  Ended ended;
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherited, 1 << 16)) return ended;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = write;
  std::wstring line = L"\"" + terminal_program() + L"\" --no-panel " + options;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &process)) {
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_TIMEOUT) {
      TerminateProcess(process.hProcess, STILL_ACTIVE);
      WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &ended.code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(write);
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(read, buffer, sizeof buffer, &n, nullptr) && n > 0)
    ended.errors.append(buffer, n);
  CloseHandle(read);
  return ended;
}

constexpr char kHistoryHeader[] = "Date,Time,Open,High,Low,Close,Volume\r\n";

TEST(SubstituteTerminal, RefusesAHistoryOrALengthItCannotUseAndOpensNoWindow) {
  ScratchFolder folder;
  const std::wstring bad =
      folder.file(L"bad.csv", std::string(kHistoryHeader) +
                                  "2026.01.05,00:00,1.10000,1.10050,1.09950,1.10020,10\r\n"
                                  "2026.01.05,00:05,1.10020,high,1.09990,1.10030,12\r\n");
  const struct {
    std::wstring options;
    std::string named;  // what the message must name
  } cases[] = {
      {L"--history \"" + bad + L"\"", "line 3"},
      {L"--history \"" + (folder.path() / L"missing.csv").wstring() + L"\"", "missing.csv"},
      {L"--history \"" + folder.path().wstring() + L"\"", "is a folder"},
      {L"--from 2030-01-01", "after the history's last bar"},
      {L"--bars 0", "--bars"},
      {L"--bars 5000001", "--bars"},
      {L"--bars 12x", "--bars"},
      {L"--bars 5 --history \"" + bad + L"\"", "--bars"}};
  for (const auto& c : cases) {
    const Ended ended = run_to_end(c.options);
    EXPECT_EQ(ended.code, 2u) << ended.errors;
    EXPECT_NE(ended.errors.find(c.named), std::string::npos) << ended.errors;
  }
}

// Without an expert nobody trades: the replay runs through the history, a file's or the
// bundled series of the length asked for, stops by itself and sums up an empty test in the
// pane, the trades file and the journal file of the same run.
TEST(SubstituteTerminal, ReplaysAHistoryToItsEndAndSumsItUp) {
  ScratchFolder folder;
  const std::wstring history =
      folder.file(L"history.csv", std::string(kHistoryHeader) +
                                      "2026.01.05,00:00,1.10000,1.10050,1.09950,1.10020,10\r\n"
                                      "2026.01.05,00:05,1.10020,1.10060,1.09990,1.10030,12\r\n"
                                      "2026.01.05,00:10,1.10030,1.10040,1.09900,1.09950,9\r\n");
  // Every bar goes open, extremes, close: at least a tick per bar, at most seven.
  const struct {
    std::vector<std::wstring> options;
    LRESULT least_ticks, most_ticks;
  } cases[] = {{{L"--history", L"\"" + history + L"\""}, 12, 21}, {{L"--bars", L"2"}, 2, 14}};
  for (const auto& c : cases) {
    std::vector<std::wstring> options{L"--no-panel"};
    options.insert(options.end(), c.options.begin(), c.options.end());
    TerminalRun run(options);
    ASSERT_TRUE(run.started());
    ASSERT_EQ(run.send("set-speed 32"), sim_terminal::kReplyDone);
    ASSERT_TRUE(wait_until([&] { return run.send("summary-shown") == 1; }));
    EXPECT_EQ(run.send("test-state"), sim_terminal::kTestStopped);
    const LRESULT ticks = run.send("ticks").value_or(0);
    EXPECT_TRUE(ticks >= c.least_ticks && ticks <= c.most_ticks) << ticks << " ticks";
    EXPECT_EQ(run.send("closed-count"), 0);
    HWND summary = FindWindowExW(run.chart(1), nullptr, sim_terminal::kSummaryClass, nullptr);
    const std::wstring figures = window_text(summary).value_or(L"");
    EXPECT_EQ(figures.rfind(L"Итоги теста\r\n", 0), 0u) << figures;
    EXPECT_NE(figures.find(L"\r\nЗакрытых сделок: 0\r\n"), std::wstring::npos) << figures;
    EXPECT_NE(run.journal().read_one(L"journal-").find("test stopped: 0 trades"),
              std::string::npos);
    EXPECT_EQ(run.journal().read_one(L"trades-").rfind("ticket,", 0), 0u)
        << "the trades file's header";
  }
}

// Starts a terminal and waits for its panel to lie over the chart.
void start_placed(TerminalRun& run) {
  ASSERT_TRUE(run.started()) << "sim-terminal.exe did not start or show its window";
  ASSERT_TRUE(wait_until([&] { return run.panel_process() != nullptr; }))
      << "the terminal reports no panel process";
  ASSERT_TRUE(run.wait_placed()) << run.describe();
}

TEST(SubstituteTerminal, OffersTheWindowRelationsThePanelReliesOn) {
  TerminalRun run({L"--no-panel"});
  ASSERT_TRUE(run.started());
  ASSERT_TRUE(run.chart(1) && run.chart(2));
  EXPECT_EQ(GetParent(run.chart(1)), run.frame(1));
  EXPECT_EQ(GetParent(run.frame(1)), run.chart_area());
  EXPECT_EQ(GetParent(run.chart_area()), run.main());
  EXPECT_EQ(GetAncestor(run.main(), GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(window_text(run.frame(1)), L"EURUSD,M5");
  EXPECT_EQ(GetWindow(run.frame(1), GW_HWNDPREV), nullptr) << "the first chart starts in front";

  HWND stop = find_by_text(run.main(), L"Стоп");
  ASSERT_NE(stop, nullptr);
  HWND pause = previous(stop, 3);
  HWND slider = previous(stop, 4);
  EXPECT_EQ(window_text(pause), L"| |");
  ASSERT_EQ(class_of(slider), TRACKBAR_CLASSW);
  EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 32);

  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(pause, BM_CLICK, 0, 0, SMTO_BLOCK, 5000, &ignored);
  EXPECT_EQ(window_text(pause), L">>");
  SendMessageTimeoutW(pause, BM_CLICK, 0, 0, SMTO_BLOCK, 5000, &ignored);
  EXPECT_EQ(window_text(pause), L"| |");

  // Keys are posted, as the panel posts them, and handled in order.
  for (int key : {VK_END, VK_UP, VK_UP}) {
    PostMessageW(slider, WM_KEYDOWN, key, 0);
    PostMessageW(slider, WM_KEYUP, key, 0);
  }
  EXPECT_TRUE(wait_until([&] { return SendMessageW(slider, TBM_GETPOS, 0, 0) == 30; }));

  ASSERT_EQ(run.send("front 2"), 1);
  EXPECT_EQ(GetWindow(run.frame(2), GW_HWNDPREV), nullptr);
  EXPECT_NE(GetWindow(run.frame(1), GW_HWNDPREV), nullptr);
  ASSERT_EQ(run.send("front 1"), 1);
  EXPECT_EQ(GetWindow(run.frame(1), GW_HWNDPREV), nullptr);

  ASSERT_EQ(run.send("minimise"), 1);
  EXPECT_TRUE(wait_until([&] { return IsIconic(run.main()) != FALSE; }));
  ASSERT_EQ(run.send("restore"), 1);
  EXPECT_TRUE(wait_until([&] { return IsIconic(run.main()) == FALSE; }));

  EXPECT_EQ(run.send("no-such-command"), 0);
  EXPECT_EQ(run.send("front 3"), 0);
  ASSERT_EQ(run.send("close-chart 1"), 1);
  EXPECT_FALSE(IsWindow(run.frame(1)));
  EXPECT_EQ(window_text(run.frame(1)).value_or(L""), L"");
  EXPECT_EQ(GetWindow(run.frame(2), GW_HWNDPREV), nullptr) << "the other chart comes in front";
}

TEST(PanelOverTerminal, LiesOverTheChartAreaLessTwoPixels) {
  TerminalRun run;
  start_placed(run);
  EXPECT_TRUE(run.panel_running());
  // Still there a few following periods later: placed, not merely passing through.
  Sleep(1000);
  EXPECT_TRUE(run.panel_placed()) << run.describe();
}

TEST(PanelOverTerminal, HidesWhileMinimisedAndReturnsOnRestore) {
  TerminalRun run;
  start_placed(run);
  ASSERT_EQ(run.send("minimise"), 1);
  ASSERT_TRUE(wait_until([&] { return IsIconic(run.main()) != FALSE; }));
  EXPECT_TRUE(wait_until([&] { return !run.panel_visible(); })) << run.describe();
  ASSERT_EQ(run.send("restore"), 1);
  EXPECT_TRUE(run.wait_placed()) << run.describe();
  EXPECT_TRUE(run.panel_running());
}

TEST(PanelOverTerminal, HidesWhileAnotherChartIsInFront) {
  TerminalRun run;
  start_placed(run);
  ASSERT_EQ(run.send("front 2"), 1);
  ASSERT_NE(GetWindow(run.frame(1), GW_HWNDPREV), nullptr);
  EXPECT_TRUE(wait_until([&] { return !run.panel_visible(); })) << run.describe();
  ASSERT_EQ(run.send("front 1"), 1);
  EXPECT_TRUE(run.wait_placed()) << run.describe();
}

TEST(PanelOverTerminal, FollowsTheTerminalWhenMovedAndResized) {
  TerminalRun run;
  start_placed(run);
  const RECT before = run.expected_panel_rect();
  ASSERT_EQ(run.send("move 150 110 820 600"), 1);
  const RECT after = run.expected_panel_rect();
  ASSERT_FALSE(EqualRect(&before, &after)) << "the move did not move the chart area";
  EXPECT_TRUE(run.wait_placed()) << run.describe();
  ASSERT_EQ(run.send("move 20 20 1000 700"), 1);
  EXPECT_TRUE(run.wait_placed()) << run.describe();
}

TEST(PanelOverTerminal, EndsWhenItsChartIsClosed) {
  TerminalRun run;
  start_placed(run);
  HWND panel = run.panel_window();
  ASSERT_EQ(run.send("close-chart 1"), 1);
  // The chart's windows are gone, so only the panel's own keyboard focus lets it see that:
  // the user clicks it.
  SetForegroundWindow(panel);
  HANDLE process = run.panel_process();
  ASSERT_TRUE(wait_until([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }))
      << run.describe();
  EXPECT_EQ(exit_code(process), 0u);
}

TEST(PanelOverTerminal, EndsAtStartWhenATarselWindowExists) {
  TerminalRun run({L"--tarsel"});
  ASSERT_TRUE(run.started());
  const std::wstring tarsel = L"Tarsel" + run.parameter();
  ASSERT_TRUE(wait_until([&] { return FindWindowW(nullptr, tarsel.c_str()) != nullptr; }));
  ASSERT_TRUE(wait_until([&] { return run.panel_process() != nullptr; }));
  HANDLE process = run.panel_process();
  ASSERT_TRUE(wait_until([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }));
  EXPECT_EQ(exit_code(process), 0u);
}

// The panel hides behind another chart; the terminal brings ours back and hangs at once, so the
// show sequence and the following ticks meet a terminal that does not answer. The expert's side
// of the link must not notice: the orders list follows each write within a few link ticks. A
// panel stuck in a wait on the terminal still answers the expert's sent messages, but its timers
// stop, which is what the list's delay shows.
TEST(PanelOverTerminal, KeepsTheLinkGoingWhileTheTerminalHangsAndFollowsItAfterwards) {
  TerminalRun run;
  start_placed(run);
  TestExpert expert(run.panel_window());
  HWND list = panel_control(run.panel_window(), names::kOrdersList);
  ASSERT_TRUE(expert.attached() && list) << "the exchange fields or the orders list";
  ASSERT_EQ(run.send("front 2"), 1);
  ASSERT_TRUE(wait_until([&] { return !run.panel_visible(); })) << run.describe();
  ASSERT_EQ(run.send("front 1"), 1);
  ASSERT_EQ(run.send("hang 5000"), 1);
  ASSERT_TRUE(wait_until([&] { return !answers(run.main(), 200); }, 3s))
      << "the terminal did not stop answering";
  // Its link was off while it was hidden, by design; it comes back on as the panel is shown.
  ASSERT_TRUE(wait_until([&] { return run.panel_visible(); }, 3s)) << run.describe();
  for (int serial = 0; serial < 4; ++serial) {
    const auto taken = orders_shown_after(expert, list, serial, 1500ms);
    EXPECT_TRUE(taken) << "write " << serial << ": the orders list stood still";
    Sleep(200);
  }
  EXPECT_FALSE(answers(run.main(), 50)) << "the hang ended before the checks did";
  ASSERT_TRUE(wait_until([&] { return answers(run.main(), 200); })) << "the terminal stayed hung";
  EXPECT_TRUE(run.panel_running()) << "a hung terminal was taken for a closed chart";
  ASSERT_EQ(run.send("move 150 110 820 600"), 1);
  EXPECT_TRUE(run.wait_placed()) << run.describe();
}

}  // namespace
}  // namespace pelmora::e2e
