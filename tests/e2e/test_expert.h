// The terminal side of the link played from the test process, as the link contract tells an
// expert to: it finds the exchange fields by id, writes orders, quotes and order properties,
// takes each command from OUT_COMMAND, answers "READ_OK" and keeps the commands it took, oldest
// first.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::e2e {

class TestExpert {
 public:
  // `panel` is the panel's top-level window; held, not owned.
  explicit TestExpert(HWND panel);

  // Whether the exchange fields it uses were found.
  bool attached() const;

  // Replaces IN_ORDERS, IN_ASK_BID or IN_ORDER_PROPERTY; false when the panel did not take
  // the text in time.
  bool give_orders(const std::wstring& lines);
  bool give_quotes(const std::wstring& quotes);
  bool give_order_property(const std::wstring& record);

  std::wstring selected_ticket() const;
  std::wstring pending_command() const;
  std::wstring read_command() const;

  // Waits for a command in OUT_COMMAND, keeps it and acknowledges it with "READ_OK"; nothing
  // when none came within `timeout`.
  std::optional<std::wstring> take_command(
      std::chrono::milliseconds timeout = std::chrono::seconds(5));
  // Waits until the panel has cleared OUT_COMMAND and IN_READ_COMMAND after an acknowledgement.
  bool wait_idle(std::chrono::milliseconds timeout = std::chrono::seconds(5));

  const std::vector<std::wstring>& commands() const { return commands_; }

 private:
  bool write(HWND field, const std::wstring& text);

  HWND orders_, read_command_, quotes_, property_, selected_, command_;
  std::vector<std::wstring> commands_;
};

}  // namespace pelmora::e2e
