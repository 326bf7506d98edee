// Commands are read as the link contract writes them: a verb and three fields, each closed by
// ";"; the ticket field carries the panel's trailing blank.
#include "soak_expert.h"

#include <algorithm>
#include <cwchar>

#include "link/exchange_fields.h"

namespace pelmora::soak {

namespace {

constexpr int kQuoteEveryLooks = 10;

// The fields of a command text after its verb.
std::vector<std::wstring> fields_of(const std::wstring& command) {
  std::vector<std::wstring> fields;
  size_t start = 0;
  for (size_t end = command.find(L';'); end != std::wstring::npos;
       start = end + 1, end = command.find(L';', start)) {
    fields.push_back(command.substr(start, end - start));
  }
  return fields;
}

}  // namespace

SoakExpert::SoakExpert(HWND panel) : link_(panel) {}

int SoakExpert::taken(const std::wstring& verb) const {
  const auto found = taken_.find(verb);
  return found == taken_.end() ? 0 : found->second;
}

void SoakExpert::serve() {
  // An acknowledged command stays until the panel's link tick clears it (not at all while the
  // panel is hidden): it must not be carried out twice.
  const std::string_view ok = link::kReadOk;
  if (link_.read_command() != std::wstring(ok.begin(), ok.end())) {
    if (const auto command = link_.take_command(std::chrono::milliseconds(0))) carry_out(*command);
  }
  answer_selection();
  if (++looks_ % kQuoteEveryLooks == 0) {
    const int pips = 500 + looks_ / kQuoteEveryLooks % 100;
    link_.give_quotes(L"1.30" + std::to_wstring(pips) + L" / 1.30" + std::to_wstring(pips + 2));
  }
}

void SoakExpert::carry_out(const std::wstring& command) {
  const auto fields = fields_of(command);
  if (fields.empty()) return;
  const std::wstring& verb = fields[0];
  ++taken_[verb];
  if ((verb == L"OPEN_BUY" || verb == L"OPEN_SELL") && fields.size() > 1) {
    book_.push_back({next_ticket_++, verb == L"OPEN_SELL", fields[1]});
  } else if (verb == L"CLOSE" && fields.size() > 1) {
    const long ticket = std::wcstol(fields[1].c_str(), nullptr, 10);
    std::erase_if(book_, [&](const Order& o) { return o.ticket == ticket; });
  } else if (verb == L"CLOSE_ALL") {
    book_.clear();
  } else {
    return;
  }
  publish_orders();
}

void SoakExpert::trade_alone(int count) {
  book_.clear();
  for (int i = 0; i < count; ++i) book_.push_back({next_ticket_++, i % 2 == 1, L"0.10"});
  publish_orders();
}

void SoakExpert::publish_orders() {
  std::wstring lines;
  for (const Order& o : book_) {
    lines += std::to_wstring(o.ticket) + (o.sell ? L" (sell " : L" (buy ") + o.lot + L")\r\n";
  }
  link_.give_orders(lines);
}

void SoakExpert::answer_selection() {
  const std::wstring ticket = link_.selected_ticket();
  if (ticket == answered_ticket_) return;
  const long number = std::wcstol(ticket.c_str(), nullptr, 10);
  const auto order =
      std::find_if(book_.begin(), book_.end(), [&](const Order& o) { return o.ticket == number; });
  if (order == book_.end()) return;
  // Nine fields: symbol, type, open price, stop loss, take profit, point, two integers, lot step.
  const std::wstring type = order->sell ? L"1" : L"0";
  if (link_.give_order_property(L"EURUSD;" + type +
                                L";1.30510;1.30010;1.31010;0.00001;5;0;0.01;")) {
    answered_ticket_ = ticket;
  }
}

}  // namespace pelmora::soak
