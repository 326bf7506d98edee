// The practice expert's command reader: each panel command checked in full before anything
// changes, and every odd text refused with a reason the journal can show.
#include <string>

#include "expert_commands.h"
#include "number_text.h"

namespace pelmora::practice {

namespace {

constexpr int kLotDecimals = 2;  // the lot step 0.01

struct Fields {
  std::string_view verb, first, second, third;
};

// Exactly "VERB;f1;f2;f3;", the panel's shape; anything else is not a command of the panel.
std::optional<Fields> split_command(std::string_view command) {
  std::string_view parts[5];
  std::size_t count = 0, at = 0;
  for (std::size_t end; (end = command.find(';', at)) != std::string_view::npos; at = end + 1) {
    if (count == 4) return std::nullopt;
    parts[count++] = command.substr(at, end - at);
  }
  if (count != 4 || at != command.size()) return std::nullopt;
  return Fields{parts[0], parts[1], parts[2], parts[3]};
}

CommandOutcome refused(const std::string& why) {
  return {false, "refused: " + why, {}};
}

// The lot in lot steps, or the reason it is refused.
std::optional<std::int64_t> read_lots(std::string_view field, std::string& why) {
  const std::string_view text = trim(field);
  if (text.empty()) {
    why = "the lot is empty";
    return std::nullopt;
  }
  const auto value = parse_decimal(text, true);
  if (!value) {
    why = "the lot " + quoted(text) + " is not a number";
    return std::nullopt;
  }
  const std::string shown(text);
  const int extra = value->decimals - kLotDecimals;
  const std::int64_t unit = extra > 0 ? power_of_ten(extra) : 1;
  const std::int64_t whole_steps = value->mantissa / unit;
  if (value->negative || whole_steps == 0) {
    why = "the lot " + shown + " is below the lot step " + lots_text(1);
    return std::nullopt;
  }
  if (value->mantissa % unit != 0) {
    why = "the lot " + shown + " is not a multiple of the lot step " + lots_text(1);
    return std::nullopt;
  }
  const auto steps = extra >= 0 ? std::optional(whole_steps) : scaled(*value, kLotDecimals);
  if (!steps || *steps > kMaxLotSteps) {
    why = "the lot " + shown + " is above the maximum " + lots_text(kMaxLotSteps);
    return std::nullopt;
  }
  return steps;
}

// The open order the field names (the panel's trailing blank allowed), or the reason not.
const Order* read_ticket(std::string_view field, const OrderBook& book, std::string& why) {
  const std::string_view text = trim(field);
  if (text.empty() || text == "-1") {
    why = text.empty() ? "no order selected (the ticket is empty)" : "no order selected (-1)";
    return nullptr;
  }
  const auto ticket = parse_whole(text);
  const Order* order = ticket ? book.find(*ticket) : nullptr;
  if (!ticket) why = "the ticket " + quoted(text) + " is not a number";
  if (ticket && !order) why = "no open order #" + std::string(text);
  return order;
}

// A stop-loss or take-profit in points, 0 for none (empty or zero), or the reason it is refused.
std::optional<Price> read_level(std::string_view field, const char* name, int digits,
                                std::string& why) {
  const std::string_view text = trim(field);
  if (text.empty()) return 0;
  const auto value = parse_decimal(text, true);
  const auto points = value && !value->negative ? scaled(*value, digits) : std::nullopt;
  if (!points) why = std::string("the ") + name + " " + quoted(text) + " is not a price";
  return points;
}

std::string level_text(Price level, int digits) {
  return level == 0 ? "none" : price_text(level, digits);
}

CommandOutcome open(Side side, const Fields& fields, OrderBook& book, const Quote& quote,
                    std::int64_t time) {
  std::string why;
  const auto lots = read_lots(fields.first, why);
  if (!lots) return refused(why);
  const Order& order = book.open(side, *lots, quote, time);
  return {true,
          "opened #" + std::to_string(order.ticket) + " " + side_text(side) + " " +
              lots_text(order.lots) + " at " +
              price_text(order.open_price, book.instrument().digits),
          {}};
}

CommandOutcome close(const Fields& fields, OrderBook& book, const Quote& quote, std::int64_t time) {
  std::string why;
  const Order* order = read_ticket(fields.first, book, why);
  if (order == nullptr) return refused(why);
  const ClosedTrade trade = *book.close(order->ticket, quote, time);
  return {true,
          "closed #" + std::to_string(trade.order.ticket) + " at " +
              price_text(trade.close_price, book.instrument().digits) + ": " +
              signed_points(trade.points) + ", " + money_text(trade.money, true),
          {trade}};
}

CommandOutcome close_all(OrderBook& book, const Quote& quote, std::int64_t time) {
  std::vector<ClosedTrade> trades = book.close_all(quote, time);
  const std::size_t count = trades.size();
  const std::string what =
      count == 0 ? "no open orders" : count_text(static_cast<long long>(count), "order", "orders");
  return {true, "closed all: " + what, std::move(trades)};
}

// The levels must leave room for the price to reach them: a buy's stop-loss below the bid and
// take-profit above it; a sell's stop-loss above the ask and take-profit below it.
std::string wrong_side(const Order& order, Price stop_loss, Price take_profit, const Quote& quote,
                       int digits) {
  const bool buy = order.side == Side::buy;
  const Price price = buy ? quote.bid : quote.ask;
  const std::string against =
      std::string(buy ? " the bid " : " the ask ") + price_text(price, digits);
  if (stop_loss != 0 && (buy ? stop_loss >= price : stop_loss <= price)) {
    return "the stop-loss " + price_text(stop_loss, digits) +
           (buy ? " is not below" : " is not above") + against;
  }
  if (take_profit != 0 && (buy ? take_profit <= price : take_profit >= price)) {
    return "the take-profit " + price_text(take_profit, digits) +
           (buy ? " is not above" : " is not below") + against;
  }
  return "";
}

CommandOutcome set_levels(const Fields& fields, OrderBook& book, const Quote& quote) {
  const int digits = book.instrument().digits;
  std::string why;
  const Order* order = read_ticket(fields.first, book, why);
  if (order == nullptr) return refused(why);
  const auto stop_loss = read_level(fields.second, "stop-loss", digits, why);
  if (!stop_loss) return refused(why);
  const auto take_profit = read_level(fields.third, "take-profit", digits, why);
  if (!take_profit) return refused(why);
  why = wrong_side(*order, *stop_loss, *take_profit, quote, digits);
  if (!why.empty()) return refused(why);
  book.set_levels(order->ticket, *stop_loss, *take_profit);
  return {true,
          "#" + std::to_string(order->ticket) + ": stop-loss " + level_text(*stop_loss, digits) +
              ", take-profit " + level_text(*take_profit, digits),
          {}};
}

CommandOutcome set_trailing(const Fields& fields, OrderBook& book, const Quote& quote) {
  std::string why;
  const Order* order = read_ticket(fields.first, book, why);
  if (order == nullptr) return refused(why);
  const std::string_view text = trim(fields.second);
  const auto distance = parse_whole(text);
  if (!distance) {
    return refused("the trailing distance " + quoted(text) + " is not a whole number of points");
  }
  const bool started = book.set_trailing(order->ticket, *distance, quote);
  const std::string stop = level_text(order->stop_loss, book.instrument().digits);
  const std::string head = "#" + std::to_string(order->ticket) + ": trailing stop ";
  if (*distance == 0) return {true, head + "off (stop-loss " + stop + ")", {}};
  const std::string points = count_text(*distance, "point", "points");
  return {true,
          started ? head + points + ", started (stop-loss now " + stop + ")"
                  : head + points + ", starts once the price is " + points +
                        " in profit (stop-loss " + stop + ")",
          {}};
}

}  // namespace

CommandOutcome carry_out(std::string_view command, OrderBook& book, const Quote& quote,
                         std::int64_t time) {
  const auto fields = split_command(command);
  if (!fields) return refused("malformed command " + quoted(command));
  if (fields->verb == "OPEN_BUY") return open(Side::buy, *fields, book, quote, time);
  if (fields->verb == "OPEN_SELL") return open(Side::sell, *fields, book, quote, time);
  if (fields->verb == "CLOSE") return close(*fields, book, quote, time);
  if (fields->verb == "CLOSE_ALL") return close_all(book, quote, time);
  if (fields->verb == "SET_TP_SL") return set_levels(*fields, book, quote);
  if (fields->verb == "SET_TSL") return set_trailing(*fields, book, quote);
  return refused("unknown command " + quoted(fields->verb));
}

}  // namespace pelmora::practice
