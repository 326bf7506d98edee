// The one way commands reach the terminal-side expert: a verb and three fields, each closed by
// ";", written whole into OUT_COMMAND. Each call replaces whatever OUT_COMMAND holds,
// acknowledged or not (one command slot: the newest command wins). Field texts go in exactly as
// they stand, no trimming, no checks: the expert relies on the ticket's trailing blank, and an
// empty field stays empty.
#pragma once

#include <string_view>

#include "platform/controls.h"

namespace pelmora::link {

class CommandWriter {
 public:
  // OUT_COMMAND is held, not owned.
  explicit CommandWriter(platform::Edit& OUT_COMMAND) : out_(OUT_COMMAND) {}

  void open_sell(std::string_view lot) { write("OPEN_SELL", lot); }
  void open_buy(std::string_view lot) { write("OPEN_BUY", lot); }
  void close(std::string_view ticket) { write("CLOSE", ticket); }
  void close_all() { write("CLOSE_ALL"); }
  void set_tsl(std::string_view ticket, std::string_view distance) {
    write("SET_TSL", ticket, distance);
  }
  // Stop loss first, although the verb names take profit first.
  void set_tp_sl(std::string_view ticket, std::string_view stop_loss,
                 std::string_view take_profit) {
    write("SET_TP_SL", ticket, stop_loss, take_profit);
  }

 private:
  void write(std::string_view verb, std::string_view f1 = {}, std::string_view f2 = {},
             std::string_view f3 = {});

  platform::Edit& out_;
};

}  // namespace pelmora::link
