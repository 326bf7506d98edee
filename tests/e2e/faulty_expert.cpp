// Without a fault this expert keeps the link contract; each fault breaks one rule of it.
#include "faulty_expert.h"

#include "pelmora/link.h"

namespace pelmora::e2e {

namespace {
constexpr UINT kAnswerMs = 1000;
constexpr int kBusyPolls = 3;  // how long WAIT stands before READ_OK
}  // namespace

FaultyExpert::~FaultyExpert() {
  if (buffer_) HeapFree(GetProcessHeap(), 0, buffer_);
}

std::optional<std::wstring> FaultyExpert::read(int field) {
  const int length = pelmora_read_field(panel_, field, kAnswerMs, &buffer_, &capacity_);
  if (length < 0) return std::nullopt;
  return std::wstring(buffer_, static_cast<size_t>(length));
}

void FaultyExpert::give(int field, const std::wstring& text, std::wstring& last) {
  if (text != last && pelmora_write_field(panel_, field, kAnswerMs, text.c_str())) last = text;
}

void FaultyExpert::poll() {
  if (!panel_ && !(panel_ = pelmora_find_panel(parameter_.c_str()))) return;
  ++polls_;
  publish();
  handshake();
}

void FaultyExpert::publish() {
  const std::wstring bid = std::to_wstring(quotes_.bid), ask = std::to_wstring(quotes_.ask);
  give(PELMORA_IN_ASK_BID,
       fault_ == Fault::quotes_reversed ? ask + PELMORA_QUOTES_BETWEEN + bid
                                        : bid + PELMORA_QUOTES_BETWEEN + ask,
       quotes_given_);
  give(PELMORA_IN_ORDERS, book_.lines(), orders_given_);
  const auto selected = read(PELMORA_OUT_SELECTED_ORDER);
  if (!selected) return;
  const std::wstring record = book_.property_record(*selected);
  const bool changed =
      fault_ == Fault::stale_record ? *selected != selection_seen_ : record != record_given_;
  if (changed &&
      pelmora_write_field(panel_, PELMORA_IN_ORDER_PROPERTY, kAnswerMs, record.c_str())) {
    record_given_ = record;
    selection_seen_ = *selected;
  }
}

void FaultyExpert::handshake() {
  if (answer_at_ && polls_ >= *answer_at_) {
    answer_at_.reset();
    if (fault_ != Fault::no_read_ok) {
      pelmora_write_field(panel_, PELMORA_IN_READ_COMMAND, kAnswerMs, PELMORA_READ_OK);
    }
    return;
  }
  const auto answer = read(PELMORA_IN_READ_COMMAND);
  if (!answer) return;
  // The rule: a command only while IN_READ_COMMAND is empty. The fault reads "anything but
  // READ_OK" and so takes the command again while its own WAIT stands.
  const bool may_take = fault_ == Fault::taken_twice ? *answer != PELMORA_READ_OK : answer->empty();
  if (!may_take) return;
  const auto command = read(PELMORA_OUT_COMMAND);
  if (!command || command->empty()) return;
  pelmora_write_field(panel_, PELMORA_IN_READ_COMMAND, kAnswerMs, PELMORA_WAIT);
  book_.carry_out(*command, quotes_);
  give(PELMORA_IN_ORDERS, book_.lines(), orders_given_);
  if (!answer_at_) answer_at_ = polls_ + kBusyPolls;
}

}  // namespace pelmora::e2e
