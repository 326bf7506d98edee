// The real panel over the example expert's windows, where a terminal does what the substitute
// terminal does not: its main window hidden rather than minimised hides the panel, and a
// terminal that ends without emptying the chart's title first (killed here) ends the panel too.
#include <gtest/gtest.h>
#include <windows.h>

#include "panel_observation.h"
#include "pelmora/link.h"
#include "terminal_driver.h"
#include "win32/relative_program.h"
#include "window_search.h"

namespace pelmora::e2e {
namespace {

// The example started over the panel, ended when the test ends.
class Example {
 public:
  Example() {
    const std::wstring program =
        win32_test::program_beside_this_one(PELMORA_MINIMAL_EXPERT_RELATIVE);
    std::wstring command_line = L"\"" + program + L"\" --panel \"" + panel_program() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   nullptr, &startup, &process_);
  }
  ~Example() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  DWORD pid() const { return process_.dwProcessId; }
  void kill() const {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }

 private:
  PROCESS_INFORMATION process_{};
};

struct Tree {
  HWND main = nullptr, area = nullptr, chart = nullptr;
};

bool over_chart(HWND panel, const Tree& tree) {
  RECT actual{}, area{}, main{};
  if (!IsWindowVisible(panel) || !GetWindowRect(panel, &actual) ||
      !GetWindowRect(tree.area, &area) || !GetWindowRect(tree.main, &main)) {
    return false;
  }
  const RECT expected = sim_terminal::expected_panel_rect(area, main);
  return EqualRect(&actual, &expected) != FALSE;
}

TEST(PanelOverTheExample, HidesWithAHiddenMainWindowAndEndsWhenTheTerminalEnds) {
  Example example;
  Tree tree;
  HWND panel = nullptr;
  ASSERT_TRUE(wait_until([&] {
    tree.main = process_window(example.pid(), L"MinimalExpertMain");
    tree.area = FindWindowExW(tree.main, nullptr, L"MinimalExpertChartArea", nullptr);
    const HWND frame = FindWindowExW(tree.area, nullptr, L"MinimalExpertChartFrame", nullptr);
    tree.chart = FindWindowExW(frame, nullptr, L"MinimalExpertChart", nullptr);
    if (!tree.chart) return false;
    wchar_t parameter[16];
    pelmora_chart_parameter(tree.chart, parameter);
    panel = pelmora_find_panel(parameter);
    return panel && over_chart(panel, tree);
  })) << "the panel did not come over the example's chart";
  DWORD panel_pid = 0;
  GetWindowThreadProcessId(panel, &panel_pid);
  HANDLE panel_process =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, panel_pid);
  ASSERT_NE(panel_process, nullptr);

  ShowWindow(tree.main, SW_HIDE);
  EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(panel); }, 5s))
      << "the panel stayed up over a hidden terminal";
  ShowWindow(tree.main, SW_SHOWNORMAL);
  SetForegroundWindow(tree.main);
  EXPECT_TRUE(wait_until([&] { return over_chart(panel, tree); }, 5s))
      << "the panel did not come back over the chart";

  example.kill();  // the chart's title is never emptied
  EXPECT_EQ(WaitForSingleObject(panel_process, 10000), WAIT_OBJECT_0)
      << "the panel outlived its terminal";
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(panel_process, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(panel_process);
}

}  // namespace
}  // namespace pelmora::e2e
