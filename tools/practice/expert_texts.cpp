// What the practice expert writes into the panel's fields: the order lines, the quotes and the
// property record of the selected order.
#include "expert_commands.h"
#include "number_text.h"

namespace pelmora::practice {

namespace {

// The record's fields are closed by ';' and the lines by CR LF: keep them out of free text.
std::string field_text(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c == ';' || c == '\r' || c == '\n') c = '_';
  }
  return result;
}

}  // namespace

std::string orders_text(const OrderBook& book) {
  const int digits = book.instrument().digits;
  std::string text;
  for (const Order& order : book.open_orders()) {
    if (!text.empty()) text += "\r\n";
    text += std::to_string(order.ticket) + " (" + side_text(order.side) + " " +
            lots_text(order.lots) + " at " + price_text(order.open_price, digits);
    if (const auto& quote = book.quote()) {
      text += ", " + signed_points(book.running_points(order, *quote)) + ", " +
              money_text(book.running_money(order, *quote), true);
    }
    text += ")";
  }
  return text;
}

std::string quotes_text(const Quote& quote, int digits) {
  return price_text(quote.bid, digits) + " / " + price_text(quote.ask, digits);
}

std::string property_record(const OrderBook& book, std::string_view selected) {
  const auto ticket = parse_whole(trim(selected));
  const Order* order = ticket ? book.find(*ticket) : nullptr;
  if (order == nullptr) return "";
  const Instrument& instrument = book.instrument();
  const auto price = [&](Price value) {
    return value == 0 ? std::string("0") : price_text(value, instrument.digits);
  };
  // Fields 7 and 8: the digits and the trailing distance in points.
  return field_text(instrument.symbol) + ";" + (order->side == Side::buy ? "0" : "1") + ";" +
         price(order->open_price) + ";" + price(order->stop_loss) + ";" +
         price(order->take_profit) + ";" + price_text(1, instrument.digits) + ";" +
         std::to_string(instrument.digits) + ";" + std::to_string(order->trailing) + ";" +
         lots_text(1) + ";";
}

}  // namespace pelmora::practice
