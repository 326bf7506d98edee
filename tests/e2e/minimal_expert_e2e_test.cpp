// The example expert (examples/minimal-expert) beside the real panel under Wine: it must find
// the panel as the link contract says, take a command the user gives with a real click, show
// its new order in the panel's list, and end the panel when it closes its chart.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "form/names.h"
#include "panel_observation.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "win32/relative_program.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

std::string file_text(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool list_has_item_starting(HWND list, const std::wstring& start) {
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring item(512, L'\0');
    const auto n = SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    if (n != LB_ERR && item.compare(0, start.size(), start) == 0) return true;
  }
  return false;
}

// The example as its own process, writing the commands it takes into `out`; ended when the
// test ends, if it has not ended by then.
class ExampleRun {
 public:
  explicit ExampleRun(const std::wstring& out) {
    const std::wstring program =
        win32_test::program_beside_this_one(PELMORA_MINIMAL_EXPERT_RELATIVE);
    std::wstring command_line =
        L"\"" + program + L"\" --panel \"" + panel_program() + L"\" --out \"" + out + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                   nullptr, &startup, &process_);
  }
  ~ExampleRun() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  HANDLE process() const { return process_.hProcess; }
  DWORD pid() const { return process_.dwProcessId; }

 private:
  PROCESS_INFORMATION process_{};
};

HWND child_of_class(HWND parent, const wchar_t* window_class) {
  return FindWindowExW(parent, nullptr, window_class, nullptr);
}

DWORD exit_code(HANDLE process) {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process, &code);
  return code;
}

TEST(MinimalExpert, TakesABuyClickedOnThePanelListsItsOrderAndEndsThePanelOnClosing) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring out = std::wstring(folder) + L"minimal-expert-commands.txt";
  DeleteFileW(out.c_str());
  ExampleRun example(out);
  ASSERT_NE(example.process(), nullptr) << "minimal-expert.exe did not start";

  HWND main = nullptr, area = nullptr, chart = nullptr, panel = nullptr;
  ASSERT_TRUE(wait_until([&] {
    main = process_window(example.pid(), L"MinimalExpertMain");
    area = child_of_class(main, L"MinimalExpertChartArea");
    chart = child_of_class(child_of_class(area, L"MinimalExpertChartFrame"), L"MinimalExpertChart");
    return chart != nullptr;
  })) << "the example's window tree did not come up";
  const std::wstring caption = sim_terminal::panel_caption(
      std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(chart))));
  // Over the chart area, as for the terminal the panel was made for.
  ASSERT_TRUE(wait_until([&] {
    panel = FindWindowW(nullptr, caption.c_str());
    RECT actual{}, area_rect{}, main_rect{};
    GetWindowRect(area, &area_rect);
    GetWindowRect(main, &main_rect);
    const RECT expected = sim_terminal::expected_panel_rect(area_rect, main_rect);
    return panel && IsWindowVisible(panel) && GetWindowRect(panel, &actual) &&
           EqualRect(&actual, &expected);
  })) << "the panel did not come over the example's chart";
  DWORD panel_pid = 0;
  GetWindowThreadProcessId(panel, &panel_pid);
  HANDLE panel_process =
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, panel_pid);
  ASSERT_NE(panel_process, nullptr);

  // The lot step of the example's property record reaches the lot field.
  HWND lot = panel_control(panel, names::kLotField);
  ASSERT_TRUE(wait_until([&] { return window_text(lot) == L"0.10"; }));
  ASSERT_TRUE(input::click_until_foreground(lot, panel));
  ASSERT_TRUE(input::click(input::centre_of(panel_control(panel, names::kBuyButton))));
  EXPECT_TRUE(wait_until([&] { return file_text(out) == "OPEN_BUY;0.10;;;\r\n"; }))
      << "the example took: " << file_text(out);
  HWND list = panel_control(panel, names::kOrdersList);
  EXPECT_TRUE(wait_until([&] { return list_has_item_starting(list, L"1002 (buy 0.10 at "); }));

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(panel_process, 20000), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(panel_process), 0u) << "the panel was ended rather than ending by itself";
  EXPECT_EQ(WaitForSingleObject(example.process(), 20000), WAIT_OBJECT_0);
  EXPECT_EQ(exit_code(example.process()), 0u);
  CloseHandle(panel_process);
  DeleteFileW(out.c_str());
}

}  // namespace
}  // namespace pelmora::e2e
