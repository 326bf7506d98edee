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
#include "scratch_folder.h"
#include "terminal_driver.h"
#include "win32/relative_program.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

std::string file_text(const std::wstring& path) {
  std::ostringstream text;
  text << std::ifstream(std::filesystem::path(path), std::ios::binary).rdbuf();
  return text.str();
}

HWND child_of_class(HWND parent, const wchar_t* window_class) {
  return FindWindowExW(parent, nullptr, window_class, nullptr);
}

TEST(MinimalExpert, TakesABuyClickedOnThePanelListsItsOrderAndEndsThePanelOnClosing) {
  ScratchFolder folder;
  const std::wstring out = folder.file(L"commands.txt");
  const std::wstring program = win32_test::program_beside_this_one(PELMORA_MINIMAL_EXPERT_RELATIVE);
  std::wstring line =
      L"\"" + program + L"\" --panel \"" + panel_program() + L"\" --out \"" + out + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION example{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &example));
  CloseHandle(example.hThread);
  HWND main = nullptr, area = nullptr, chart = nullptr, panel = nullptr;
  EXPECT_TRUE(wait_until([&] {
    main = process_window(example.dwProcessId, L"MinimalExpertMain");
    area = child_of_class(main, L"MinimalExpertChartArea");
    chart = child_of_class(child_of_class(area, L"MinimalExpertChartFrame"), L"MinimalExpertChart");
    return chart != nullptr;
  })) << "the example's window tree did not come up";
  const std::wstring caption = sim_terminal::panel_caption(
      std::to_wstring(static_cast<int>(reinterpret_cast<INT_PTR>(chart))));
  // Over the chart area, as for the terminal the panel was made for.
  EXPECT_TRUE(wait_until([&] {
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
  HANDLE panel_process = OpenProcess(
      SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE, FALSE, panel_pid);

  // The lot step of the example's property record reaches the lot field.
  HWND lot = panel_control(panel, names::kLotField);
  EXPECT_TRUE(wait_until([&] { return window_text(lot) == L"0.10"; }));
  EXPECT_TRUE(input::click_until_foreground(lot, panel));
  EXPECT_TRUE(input::click(input::centre_of(panel_control(panel, names::kBuyButton))));
  EXPECT_TRUE(wait_until([&] { return file_text(out) == "OPEN_BUY;0.10;;;\r\n"; }))
      << "the example took: " << file_text(out);
  HWND list = panel_control(panel, names::kOrdersList);
  const wchar_t* order = L"1002 (buy 0.10 at ";
  EXPECT_TRUE(wait_until([&] {
    return SendMessageW(list, LB_FINDSTRING, -1, reinterpret_cast<LPARAM>(order)) != LB_ERR;
  }));

  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD panel_exit = STILL_ACTIVE, example_exit = STILL_ACTIVE;
  if (WaitForSingleObject(panel_process, 20000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(panel_process, &panel_exit);
  }
  if (WaitForSingleObject(example.hProcess, 20000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(example.hProcess, &example_exit);
  }
  EXPECT_EQ(panel_exit, 0u) << "the panel did not end by itself";
  EXPECT_EQ(example_exit, 0u);
  for (HANDLE process : {panel_process, example.hProcess}) {
    if (process && WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process, 1);
    }
    if (process) CloseHandle(process);
  }
}

}  // namespace
}  // namespace pelmora::e2e
