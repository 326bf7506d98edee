// The practice expert's command reader on any text, one command a line, against a small book
// with open orders: a refused command changes nothing, and the book stays sound: lots within
// 1..kMaxLotSteps, every stop-loss and take-profit on its side of the price.
#include <cstdint>
#include <string>
#include <string_view>

#include "expert_commands.h"
#include "fuzz_check.h"

using namespace pelmora::practice;

namespace {

std::string state(const OrderBook& book) {
  std::string text = orders_text(book) + "|" + std::to_string(book.closed_trades().size());
  for (const Order& order : book.open_orders()) {
    text += "|" + property_record(book, std::to_string(order.ticket) + " ");
  }
  return text;
}

void check_book(const OrderBook& book, const Quote& quote) {
  for (const Order& order : book.open_orders()) {
    FUZZ_CHECK(order.lots >= 1 && order.lots <= kMaxLotSteps);
    FUZZ_CHECK(order.trailing >= 0);
    if (order.side == Side::buy) {
      FUZZ_CHECK(order.open_price == quote.ask);
      FUZZ_CHECK(order.stop_loss == 0 || order.stop_loss < quote.bid);
      FUZZ_CHECK(order.take_profit == 0 || order.take_profit > quote.bid);
    } else {
      FUZZ_CHECK(order.open_price == quote.bid);
      FUZZ_CHECK(order.stop_loss == 0 || order.stop_loss > quote.ask);
      FUZZ_CHECK(order.take_profit == 0 || order.take_profit < quote.ask);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const Quote quote{123456, 123464};
  OrderBook book(Instrument{}, 1001);
  book.open(Side::buy, 10, quote, 0);
  book.open(Side::sell, 25, quote, 0);
  book.set_levels(1001, 123000, 124000);
  book.set_levels(1002, 123900, 0);
  for (int count = 0; count < 16; ++count) {
    const std::size_t end = text.find('\n');
    const std::string_view command = text.substr(0, end);
    const std::string before = state(book);
    const std::size_t closed_before = book.closed_trades().size();
    const CommandOutcome outcome = carry_out(command, book, quote, 60);
    FUZZ_CHECK(!outcome.result.empty());
    FUZZ_CHECK(outcome.result.starts_with("refused: ") != outcome.done);
    if (!outcome.done) FUZZ_CHECK(state(book) == before);
    FUZZ_CHECK(book.closed_trades().size() == closed_before + outcome.closed.size());
    check_book(book, quote);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return 0;
}
