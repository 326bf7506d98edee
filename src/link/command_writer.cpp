// Each command text built by commands.h, written whole in one call.
#include "link/command_writer.h"

#include "link/commands.h"

namespace pelmora::link {

void CommandWriter::open_sell(std::string_view lot) {
  out_.set_text(open_sell_command(lot));
}
void CommandWriter::open_buy(std::string_view lot) {
  out_.set_text(open_buy_command(lot));
}
void CommandWriter::close(std::string_view ticket) {
  out_.set_text(close_command(ticket));
}
void CommandWriter::close_all() {
  out_.set_text(close_all_command());
}
void CommandWriter::set_tsl(std::string_view ticket, std::string_view distance) {
  out_.set_text(set_tsl_command(ticket, distance));
}
void CommandWriter::set_tp_sl(std::string_view ticket, std::string_view stop_loss,
                              std::string_view take_profit) {
  out_.set_text(set_tp_sl_command(ticket, stop_loss, take_profit));
}

}  // namespace pelmora::link
