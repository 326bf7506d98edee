// The order of one poll: quotes, then the property record of whatever the panel selects now,
// then at most one command. The record is recomputed at every poll and written when it
// differs, which covers both a new selection and new levels of the selected order.
#include "expert.h"

#include <windows.h>

#include <cwchar>

namespace minimal_expert {

namespace {

constexpr int kPollsPerPriceStep = 50;  // the price moves every half second

std::wstring quotes_text(Quotes q) {
  wchar_t text[64];
  std::swprintf(text, 64, L"%.5f / %.5f", q.bid, q.ask);
  return text;
}

// One line in UTF-8, at once: whoever reads the file sees each command as soon as it is taken.
void write_line(std::FILE* out, const std::wstring& line) {
  const int size = static_cast<int>(line.size());
  std::string bytes(static_cast<size_t>(size) * 3, '\0');
  bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, line.data(), size, bytes.data(),
                                                       size * 3, nullptr, nullptr)));
  std::fputs((bytes + "\n").c_str(), out);
  std::fflush(out);
}

}  // namespace

Expert::Expert(std::wstring parameter, std::FILE* out)
    : parameter_(std::move(parameter)), out_(out) {}

bool Expert::poll() {
  if (!link_.found() && !link_.find(parameter_)) return false;
  if (polls_++ % kPollsPerPriceStep == 0) move_price();
  give(Field::kInAskBid, quotes_text(quotes_), quotes_given_);
  give(Field::kInOrders, book_.lines(), orders_given_);
  if (const auto selected = link_.read(Field::kOutSelectedOrder)) {
    give(Field::kInOrderProperty, book_.property_record(*selected), record_given_);
  }
  if (const auto command = link_.new_command()) take(*command);
  return true;
}

// A slow saw of twenty points up and down, with a fixed spread.
void Expert::move_price() {
  const int step = (polls_ / kPollsPerPriceStep) % 40;
  quotes_.bid = 1.10250 + OrderBook::kPoint * (step < 20 ? step : 40 - step);
  quotes_.ask = quotes_.bid + 12 * OrderBook::kPoint;
}

void Expert::take(const std::wstring& command) {
  link_.write(Field::kInReadCommand, PELMORA_WAIT);
  const std::wstring result = book_.carry_out(command, quotes_);
  give(Field::kInOrders, book_.lines(), orders_given_);
  link_.write(Field::kInReadCommand, PELMORA_READ_OK);
  write_line(out_, command);
  write_line(stderr, command + L": " + result);
}

void Expert::give(Field field, const std::wstring& text, std::wstring& last) {
  if (text == last) return;
  if (link_.write(field, text)) last = text;
}

}  // namespace minimal_expert
