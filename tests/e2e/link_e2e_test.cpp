// The link across two processes under Wine: this test plays the terminal-side expert exactly as
// the link contract tells it (find the panel by caption, the fields by id, WM_SETTEXT and
// WM_GETTEXT), against the link host running the real link on real controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "link/exchange_fields.h"
#include "link_host_ids.h"

namespace pelmora::e2e {
namespace {

constexpr UINT kAnswerMs = 5000;
constexpr ULONGLONG kPatienceMs = 20000;

bool wait_until(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + kPatienceMs;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    Sleep(10);
  }
  return true;
}

std::wstring read(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, kAnswerMs, &copied);
  text.resize(copied);
  return text;
}

void write(HWND window, const std::wstring& text) {
  SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, kAnswerMs, nullptr);
}

std::wstring list_item(HWND list, int index) {
  std::wstring text(256, L'\0');
  const LRESULT n = SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(n == LB_ERR ? 0 : static_cast<size_t>(n));
  return text;
}

// The link host as a child process, ended at the latest when the test ends.
class LinkHost {
 public:
  LinkHost() : parameter_(std::to_wstring(GetCurrentProcessId())) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path);
    exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"pelmora_link_host.exe";
    std::wstring command = L"\"" + exe + L"\" " + parameter_;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != FALSE;
  }
  ~LinkHost() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  bool started() const { return started_; }
  std::wstring caption() const { return L"Pelmora" + parameter_; }
  HANDLE process() const { return process_.hProcess; }

 private:
  std::wstring parameter_;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

TEST(LinkAcrossProcesses, ExpertFindsThePanelTradesTextsAndClosesIt) {
  LinkHost host;
  ASSERT_TRUE(host.started());
  HWND panel = nullptr;
  ASSERT_TRUE(wait_until([&] { return (panel = FindWindowW(nullptr, host.caption().c_str())); }));
  auto field = [&](const link::ExchangeFieldId& id) { return GetDlgItem(panel, id.control_id); };
  for (const auto& id : link::kExchangeFields) ASSERT_NE(field(id), nullptr) << id.name;
  HWND orders = field(link::kInOrders);
  HWND read_command = field(link::kInReadCommand);
  HWND selected = field(link::kOutSelectedOrder);
  HWND command = field(link::kOutCommand);
  HWND list = GetDlgItem(panel, kOrdersListId);
  HWND close_button = GetDlgItem(panel, kCloseButtonId);

  // No orders: nothing selected, the order buttons are off.
  EXPECT_TRUE(wait_until([&] { return read(selected) == L"-1"; }));
  EXPECT_FALSE(IsWindowEnabled(close_button));

  // Two order lines, one of them Cyrillic; the empty last line is no order.
  write(orders, L"12345 (buy 0.10)\r\nСтоп (продажа 1.00)\r\n");
  ASSERT_TRUE(wait_until([&] { return read(selected) == L"12345 "; }));
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(list_item(list, 1), L"Стоп (продажа 1.00)");
  EXPECT_TRUE(IsWindowEnabled(close_button));

  // The user moves the selection down: the ticket follows, Unicode intact.
  PostMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_TRUE(wait_until([&] { return read(selected) == L"Стоп "; }));

  // The property record of the selected order raises the lot field to its lot step.
  write(field(link::kInOrderProperty), L"x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;");
  EXPECT_TRUE(wait_until([&] { return read(GetDlgItem(panel, kLotFieldId)) == L"0.10"; }));

  // WAIT holds a pending command; READ_OK clears it and then itself.
  write(command, L"CLOSE;Стоп ;;;");
  write(read_command, L"WAIT");
  write(orders, L"12345 (buy 0.10)\r\n");  // seen by a later tick than the WAIT
  ASSERT_TRUE(wait_until([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
  EXPECT_EQ(read(command), L"CLOSE;Стоп ;;;");
  EXPECT_EQ(read(read_command), L"WAIT");
  write(read_command, std::wstring(link::kReadOk.begin(), link::kReadOk.end()));
  EXPECT_TRUE(wait_until([&] { return read(command).empty() && read(read_command).empty(); }));

  PostMessageW(panel, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(host.process(), static_cast<DWORD>(kPatienceMs)), WAIT_OBJECT_0);
  DWORD exit_code = 1;
  GetExitCodeProcess(host.process(), &exit_code);
  EXPECT_EQ(exit_code, 0u);
}

}  // namespace
}  // namespace pelmora::e2e
