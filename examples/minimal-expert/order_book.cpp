// Command texts are a verb and three fields, each closed by ";". Odd field texts (an empty
// lot, the ticket "-1", an unknown ticket) are refused, never guessed at.
#include "order_book.h"

#include <algorithm>
#include <cwchar>
#include <sstream>

namespace minimal_expert {

namespace {

std::vector<std::wstring> split_fields(const std::wstring& command) {
  std::vector<std::wstring> fields;
  std::wistringstream in(command);
  for (std::wstring field; std::getline(in, field, L';');) fields.push_back(field);
  fields.resize(4);  // missing fields read as empty
  return fields;
}

// A whole text that is a decimal number; false otherwise. The panel sends a lot as the user typed
// it, so its point may be a comma.
bool read_number(std::wstring text, double* value) {
  if (text.empty()) return false;
  std::replace(text.begin(), text.end(), L',', L'.');
  wchar_t* end = nullptr;
  *value = std::wcstod(text.c_str(), &end);
  return *end == L'\0';
}

std::wstring fixed(double value, int decimals) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.*f", decimals, value);
  return text;
}

}  // namespace

OrderBook::OrderBook(Quotes quotes) {
  open(false, L"0.10", quotes);
}

std::wstring OrderBook::carry_out(const std::wstring& command, Quotes quotes) {
  const auto f = split_fields(command);
  const std::wstring& verb = f[0];
  if (verb == L"OPEN_BUY" || verb == L"OPEN_SELL") return open(verb == L"OPEN_SELL", f[1], quotes);
  if (verb == L"CLOSE_ALL") {
    orders_.clear();
    return L"closed all";
  }
  if (verb != L"CLOSE" && verb != L"SET_TP_SL" && verb != L"SET_TSL")
    return L"refused: unknown verb";
  const int index = index_of(f[1]);
  if (index < 0) return L"refused: no order \"" + f[1] + L"\"";
  if (verb == L"CLOSE") {
    orders_.erase(orders_.begin() + index);
    return L"closed";
  }
  Order* order = &orders_[static_cast<size_t>(index)];
  if (verb == L"SET_TSL") {
    if (!read_number(f[2], &order->trailing_points)) return L"refused: distance " + f[2];
    return L"trailing set";
  }
  double stop_loss = 0, take_profit = 0;
  if (!read_number(f[2], &stop_loss) || !read_number(f[3], &take_profit)) {
    return L"refused: levels " + f[2] + L" " + f[3];
  }
  order->stop_loss = stop_loss;
  order->take_profit = take_profit;
  return L"levels set";
}

std::wstring OrderBook::open(bool sell, const std::wstring& lot, Quotes quotes) {
  double lots = 0;
  if (!read_number(lot, &lots) || !(lots >= kLotStep)) return L"refused: lot \"" + lot + L"\"";
  orders_.push_back({.ticket = next_ticket_++,
                     .sell = sell,
                     .lots = lots,
                     .open = sell ? quotes.bid : quotes.ask});
  return L"opened " + std::to_wstring(orders_.back().ticket);
}

int OrderBook::index_of(const std::wstring& ticket) const {
  // The panel sends the ticket with the blank that follows it in the order line.
  const std::wstring number = ticket.substr(0, ticket.find(L' '));
  for (size_t i = 0; i < orders_.size(); ++i) {
    if (std::to_wstring(orders_[i].ticket) == number) return static_cast<int>(i);
  }
  return -1;
}

std::wstring OrderBook::lines() const {
  std::wstring text;
  for (const Order& o : orders_) {
    text += std::to_wstring(o.ticket) + L" (" + (o.sell ? L"sell " : L"buy ") + fixed(o.lots, 2) +
            L" at " + fixed(o.open, 5) + L")\r\n";
  }
  return text;
}

// Type 0 is a buy order and 1 a sell order; fields 7 and 8 are not used. With nothing selected
// the record still carries the point and the lot step, to which the panel raises its lot field.
std::wstring OrderBook::property_record(const std::wstring& selected) const {
  const int index = index_of(selected);
  const Order& o = index < 0 ? Order{} : orders_[static_cast<size_t>(index)];
  return std::to_wstring(o.ticket) + L";" + (o.sell ? L"1" : L"0") + L";" + fixed(o.open, 5) +
         L";" + fixed(o.stop_loss, 5) + L";" + fixed(o.take_profit, 5) + L";" + fixed(kPoint, 5) +
         L";0;0;" + fixed(kLotStep, 2) + L";";
}

}  // namespace minimal_expert
