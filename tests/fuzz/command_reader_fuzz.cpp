// The practice expert's command reader on any text, one command a line, against a small book
// with open orders: a refused command changes nothing, and the book stays sound: lots within
// 1..kMaxLotSteps, every stop-loss and take-profit on its side of the price.
#include <string>

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = pelmora::fuzz::text_of(data, size);
  const Quote quote{123456, 123464};
  OrderBook book(Instrument{}, 1001);
  book.open(Side::buy, 10, quote, 0);
  book.open(Side::sell, 25, quote, 0);
  book.set_levels(1001, 123000, 124000);
  book.set_levels(1002, 123900, 0);
  for (int count = 0; count < 16; ++count) {
    const size_t end = text.find('\n');
    const std::string before = state(book);
    const size_t closed_before = book.closed_trades().size();
    const CommandOutcome outcome = carry_out(text.substr(0, end), book, quote, 60);
    FUZZ_CHECK(!outcome.result.empty() && outcome.result.starts_with("refused: ") != outcome.done);
    FUZZ_CHECK(outcome.done || state(book) == before);
    FUZZ_CHECK(book.closed_trades().size() == closed_before + outcome.closed.size());
    for (const Order& order : book.open_orders()) {
      const bool buy = order.side == Side::buy;
      // A buy closes at the bid, a sell at the ask: each level stands on its side of that.
      const Price closing = buy ? quote.bid : quote.ask;
      FUZZ_CHECK(order.lots >= 1 && order.lots <= kMaxLotSteps && order.trailing >= 0);
      FUZZ_CHECK(order.open_price == (buy ? quote.ask : quote.bid));
      FUZZ_CHECK(order.stop_loss == 0 ||
                 (buy ? order.stop_loss < closing : order.stop_loss > closing));
      FUZZ_CHECK(order.take_profit == 0 ||
                 (buy ? order.take_profit > closing : order.take_profit < closing));
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return 0;
}
