// Command texts by plain concatenation: verb;field1;field2;field3;
#include "link/commands.h"

namespace pelmora::link {

namespace {
std::string command(std::string_view verb, std::string_view f1 = {}, std::string_view f2 = {},
                    std::string_view f3 = {}) {
  std::string out;
  out.reserve(verb.size() + f1.size() + f2.size() + f3.size() + 4);
  out.append(verb).append(";").append(f1).append(";").append(f2).append(";").append(f3).append(";");
  return out;
}
}  // namespace

std::string open_buy_command(std::string_view lot) { return command("OPEN_BUY", lot); }
std::string open_sell_command(std::string_view lot) { return command("OPEN_SELL", lot); }
std::string close_command(std::string_view ticket) { return command("CLOSE", ticket); }
std::string close_all_command() { return command("CLOSE_ALL"); }
std::string set_tsl_command(std::string_view ticket, std::string_view distance) {
  return command("SET_TSL", ticket, distance);
}
std::string set_tp_sl_command(std::string_view ticket, std::string_view stop_loss,
                              std::string_view take_profit) {
  return command("SET_TP_SL", ticket, stop_loss, take_profit);
}

}  // namespace pelmora::link
