// The terminal side of the link played from the test process, as the link contract tells an
// expert to: it finds the exchange fields by id, writes orders, quotes and order properties,
// and takes each command from OUT_COMMAND, answering "READ_OK". Every read and write is a sent
// message with a bounded wait, so a panel that stops answering fails the check instead of
// hanging the test.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "link/exchange_fields.h"
#include "terminal_driver.h"

namespace pelmora::e2e {

class TestExpert {
 public:
  static inline const std::wstring kReadOk{link::kReadOk.begin(), link::kReadOk.end()};
  static inline const std::wstring kWait{link::kWait.begin(), link::kWait.end()};

  // `panel` is the panel's top-level window; held, not owned.
  explicit TestExpert(HWND panel)
      : orders_(GetDlgItem(panel, link::kInOrders.control_id)),
        read_command_(GetDlgItem(panel, link::kInReadCommand.control_id)),
        quotes_(GetDlgItem(panel, link::kInAskBid.control_id)),
        property_(GetDlgItem(panel, link::kInOrderProperty.control_id)),
        selected_(GetDlgItem(panel, link::kOutSelectedOrder.control_id)),
        command_(GetDlgItem(panel, link::kOutCommand.control_id)) {}

  // Whether the exchange fields were found.
  bool attached() const {
    return orders_ && read_command_ && quotes_ && property_ && selected_ && command_;
  }

  // Replace IN_ORDERS, IN_ASK_BID or IN_ORDER_PROPERTY; false when the panel did not take
  // the text in time.
  bool give_orders(const std::wstring& lines) { return write(orders_, lines); }
  bool give_quotes(const std::wstring& quotes) { return write(quotes_, quotes); }
  bool give_order_property(const std::wstring& record) { return write(property_, record); }

  std::wstring selected_ticket() const { return read(selected_); }

  // Waits for a new command, as the contract says: one in OUT_COMMAND while IN_READ_COMMAND
  // reads empty (polled every millisecond, well inside the panel's 10 ms link tick), and answers
  // it with `word` ("READ_OK", or "WAIT" to carry it out later); nothing when none came within
  // `timeout`.
  std::optional<std::wstring> take_command(
      std::chrono::milliseconds timeout = std::chrono::seconds(5),
      const std::wstring& word = kReadOk) {
    std::wstring command;
    const auto came = [&] {
      return read(read_command_).empty() &&
             !(command = window_text(command_, kAnswerMs).value_or(L"")).empty();
    };
    if (!wait_until(came, timeout, std::chrono::milliseconds(1))) return std::nullopt;
    answer(word);
    return command;
  }
  // Writes a handshake word into IN_READ_COMMAND.
  bool answer(const std::wstring& word) { return write(read_command_, word); }
  std::wstring command_standing() const { return read(command_); }
  // Waits until the panel has cleared OUT_COMMAND and IN_READ_COMMAND after an acknowledgement.
  bool wait_idle(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    return wait_until([&] { return read(command_).empty() && read(read_command_).empty(); },
                      timeout);
  }

 private:
  static constexpr UINT kAnswerMs = 2000;

  static bool write(HWND field, const std::wstring& text) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                               SMTO_BLOCK, kAnswerMs, &ignored) != 0;
  }
  static std::wstring read(HWND field) {
    return window_text(field, kAnswerMs).value_or(L"<no answer>");
  }

  HWND orders_, read_command_, quotes_, property_, selected_, command_;
};

}  // namespace pelmora::e2e
