// Every read and write is a sent message with a bounded wait, so a panel that stops answering
// fails the check instead of hanging the test. OUT_COMMAND is polled every millisecond, well
// inside the panel's 10 ms link tick, so that the time a command takes to arrive can be measured.
#include "test_expert.h"

#include <thread>

#include "link/exchange_fields.h"
#include "terminal_driver.h"

namespace pelmora::e2e {

namespace {

constexpr UINT kAnswerMs = 2000;

HWND field(HWND panel, const link::ExchangeFieldId& id) {
  return GetDlgItem(panel, id.control_id);
}

}  // namespace

TestExpert::TestExpert(HWND panel)
    : orders_(field(panel, link::kInOrders)),
      read_command_(field(panel, link::kInReadCommand)),
      quotes_(field(panel, link::kInAskBid)),
      property_(field(panel, link::kInOrderProperty)),
      selected_(field(panel, link::kOutSelectedOrder)),
      command_(field(panel, link::kOutCommand)) {}

bool TestExpert::attached() const {
  return orders_ && read_command_ && quotes_ && property_ && selected_ && command_;
}

bool TestExpert::write(HWND window, const std::wstring& text) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_BLOCK, kAnswerMs, &ignored) != 0;
}

bool TestExpert::give_orders(const std::wstring& lines) {
  return write(orders_, lines);
}

bool TestExpert::give_quotes(const std::wstring& quotes) {
  return write(quotes_, quotes);
}

bool TestExpert::give_order_property(const std::wstring& record) {
  return write(property_, record);
}

std::wstring TestExpert::selected_ticket() const {
  return window_text(selected_, kAnswerMs).value_or(L"<no answer>");
}

std::wstring TestExpert::pending_command() const {
  return window_text(command_, kAnswerMs).value_or(L"<no answer>");
}

std::wstring TestExpert::read_command() const {
  return window_text(read_command_, kAnswerMs).value_or(L"<no answer>");
}

std::optional<std::wstring> TestExpert::take_command(std::chrono::milliseconds timeout) {
  std::wstring command;
  const bool came = wait_until(
      [&] {
        command = window_text(command_, kAnswerMs).value_or(L"");
        return !command.empty();
      },
      timeout, std::chrono::milliseconds(1));
  if (!came) return std::nullopt;
  commands_.push_back(command);
  const std::string_view ok = link::kReadOk;
  write(read_command_, std::wstring(ok.begin(), ok.end()));
  return command;
}

bool TestExpert::wait_idle(std::chrono::milliseconds timeout) {
  return wait_until([&] { return pending_command().empty() && read_command().empty(); }, timeout);
}

}  // namespace pelmora::e2e
