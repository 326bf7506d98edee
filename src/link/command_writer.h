// The one way commands reach the terminal-side expert: each call replaces whatever OUT_COMMAND
// holds, acknowledged or not (there is one command slot, and the newest command wins). Field
// texts go in exactly as they stand.
#pragma once

#include <string_view>

#include "platform/controls.h"

namespace pelmora::link {

class CommandWriter {
 public:
  // OUT_COMMAND is held, not owned.
  explicit CommandWriter(platform::Edit& OUT_COMMAND) : out_(OUT_COMMAND) {}

  void open_sell(std::string_view lot);
  void open_buy(std::string_view lot);
  void close(std::string_view ticket);
  void close_all();
  void set_tsl(std::string_view ticket, std::string_view distance);
  void set_tp_sl(std::string_view ticket, std::string_view stop_loss, std::string_view take_profit);

 private:
  platform::Edit& out_;
};

}  // namespace pelmora::link
