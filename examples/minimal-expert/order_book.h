// The expert's open orders, kept as trivially as a demonstration allows: commands fill at the
// quotes given, nothing is ever hit. It writes the texts the panel reads: the order lines and
// the property record of the selected order.
#pragma once

#include <string>
#include <vector>

namespace minimal_expert {

struct Quotes {
  double bid = 0;
  double ask = 0;
};

class OrderBook {
 public:
  static constexpr double kPoint = 0.00001;
  static constexpr double kLotStep = 0.1;

  // Starts with one buy order, so that the panel has a line to select.
  explicit OrderBook(Quotes quotes);

  // Carries out one command text from OUT_COMMAND; says what it did, or why it refused.
  std::wstring carry_out(const std::wstring& command, Quotes quotes);

  // IN_ORDERS: one line per order, "1002 (buy 0.10 at 1.10262)".
  std::wstring lines() const;
  // IN_ORDER_PROPERTY for the value of OUT_SELECTED_ORDER ("1002 ", "-1" or empty).
  std::wstring property_record(const std::wstring& selected) const;

 private:
  struct Order {
    long ticket = 0;
    bool sell = false;
    double lots = 0;
    double open = 0;
    double stop_loss = 0;
    double take_profit = 0;
    double trailing_points = 0;
  };

  std::wstring open(bool sell, const std::wstring& lot, Quotes quotes);
  // The order named by a ticket field ("1002 "); -1 when there is none.
  int index_of(const std::wstring& ticket) const;

  std::vector<Order> orders_;
  long next_ticket_ = 1001;
};

}  // namespace minimal_expert
