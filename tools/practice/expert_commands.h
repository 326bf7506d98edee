// What the practice expert makes of the panel's commands and what it writes back: the command
// reader (every odd text refused with a reason, nothing changed), and the texts of IN_ORDERS,
// IN_ASK_BID and IN_ORDER_PROPERTY.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "order_book.h"

namespace pelmora::practice {

struct CommandOutcome {
  bool done = false;
  std::string result;  // one short line for the journal: what was done, or "refused: why"
  std::vector<ClosedTrade> closed;  // trades the command closed
};

// Carries out one OUT_COMMAND text ("VERB;f1;f2;f3;") against the book at `quote`.
// Verbs: OPEN_BUY, OPEN_SELL, CLOSE, CLOSE_ALL, SET_TP_SL (ticket; stop-loss; take-profit; 0 or
// empty means none), SET_TSL (ticket; distance in points; 0 switches it off). A ticket may
// carry the panel's trailing blank. A refused command changes nothing.
CommandOutcome carry_out(std::string_view command, OrderBook& book, const Quote& quote,
                         std::int64_t time);

// "1002 (buy 0.10 at 1.23456)" per open order, oldest first, CR LF between lines.
std::string orders_text(const OrderBook& book);
// "1.23456 / 1.23464": bid, then ask.
std::string quotes_text(const Quote& quote, int digits);
// The property record of the order whose ticket the panel publishes (its text as read from
// OUT_SELECTED_ORDER); empty when it names no open order.
std::string property_record(const OrderBook& book, std::string_view selected);

}  // namespace pelmora::practice
