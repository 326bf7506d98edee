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
// - Only the panel's shape is a command: exactly four ';', the last one ending the text; verbs
//   as written (upper case). Blanks around a field are ignored, fields a verb does not use too.
// - A lot has '.' or ',' and must be a whole number of lot steps from 0.01 to 100.00. Levels
//   are rounded to the point and must leave room for the price: a buy's stop-loss below the
//   bid and take-profit above it, a sell's stop-loss above the ask and take-profit below it.
//   A trailing distance is a whole number of points.
// - Results: "opened #1002 buy 0.10 at 1.23464", "closed #1002 at 1.23456: +12 points, +1.20",
//   "closed all: 2 orders", "#1002: stop-loss 1.23000, take-profit none", "#1002: trailing
//   stop 30 points, started (stop-loss now 1.23426)", "#1002: trailing stop 30 points, starts
//   once the price is 30 points in profit (stop-loss none)", "#1002: trailing stop off
//   (stop-loss 1.23426)";
//   refusals such as "refused: the lot 0.015 is not a multiple of the lot step 0.01",
//   "refused: no order selected (-1)", "refused: no open order #1234", "refused: unknown
//   command "BUY"", "refused: malformed command "..."".
CommandOutcome carry_out(std::string_view command, OrderBook& book, const Quote& quote,
                         std::int64_t time);

// "1002 (buy 0.10 at 1.23456, +12 points, +1.20)" per open order, oldest first, CR LF between
// lines: the running result at the book's last price, money less the commission.
std::string orders_text(const OrderBook& book);
// "1.23456 / 1.23464": bid, then ask.
std::string quotes_text(const Quote& quote, int digits);
// The property record of the order whose ticket the panel publishes (its text as read from
// OUT_SELECTED_ORDER); empty when it names no open order. Nine fields, each closed by ';':
// symbol; 0 buy or 1 sell; open price; stop-loss; take-profit (0 for none); the point; the
// digits; the trailing distance in points (0 when off); the lot step 0.01. Prices with the
// instrument's digits: "EURUSD;0;1.23456;0;1.23956;0.00001;5;0;0.01;".
std::string property_record(const OrderBook& book, std::string_view selected);

}  // namespace pelmora::practice
