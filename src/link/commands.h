// The command texts the panel writes into OUT_COMMAND: a verb and three fields, each closed by
// ";". Field texts go in exactly as they stand (no trimming, no checks): the expert relies on
// the ticket's trailing blank, and an empty field stays empty.
#pragma once

#include <string>
#include <string_view>

namespace pelmora::link {

std::string open_buy_command(std::string_view lot);
std::string open_sell_command(std::string_view lot);
std::string close_command(std::string_view ticket);
std::string close_all_command();
std::string set_tsl_command(std::string_view ticket, std::string_view distance);
// Stop loss first, although the verb names take profit first.
std::string set_tp_sl_command(std::string_view ticket, std::string_view stop_loss,
                              std::string_view take_profit);

}  // namespace pelmora::link
