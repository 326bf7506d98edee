// The judging of each write as it arrives. The handshake: READ_OK belongs to a command the
// panel's side wrote and has not yet seen acknowledged; once the panel has cleared it, a further
// READ_OK would clear the next command before the expert took it.
#include "link_watch.h"

#include <algorithm>
#include <cstdio>

#include "pelmora/link.h"

namespace pelmora::expert_check {

namespace {
const std::string kReadOk = ascii(PELMORA_READ_OK);
const std::string kWait = ascii(PELMORA_WAIT);
}  // namespace

long long ms_between(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

void LinkWatch::expert_wrote(int field, const std::string& text) {
  const Write write{Clock::now(), text};
  if (!first_write_) {
    first_write_ = write.at;
    static const char* const kNames[] = {"IN_ORDERS",         "IN_READ_COMMAND",    "IN_ASK_BID",
                                         "IN_ORDER_PROPERTY", "OUT_SELECTED_ORDER", "OUT_COMMAND"};
    const int index = field - PELMORA_FIRST_FIELD;
    first_field_ = index >= 0 && index < PELMORA_FIELD_COUNT ? kNames[index] : "?";
  }
  std::string why;
  switch (field) {
    case PELMORA_IN_ASK_BID:
      judge(quotes_, text, read_quotes(text, &why) ? std::nullopt : std::optional(why), write.at);
      break;
    case PELMORA_IN_ORDERS:
      judge(order_lines_, text, read_order_lines(text, &why) ? std::nullopt : std::optional(why),
            write.at);
      break;
    case PELMORA_IN_ORDER_PROPERTY: {
      // An empty record is what an expert with nothing selected may leave.
      if (text.empty()) break;
      const auto record = read_record(text, &why);
      judge(records_, text, record ? std::nullopt : std::optional(why), write.at);
      if (record) {
        last_record_ = record;
        good_records_.push_back(write.at);
      }
      break;
    }
    case PELMORA_IN_READ_COMMAND:
      read_command_written(write);
      break;
    default:
      if (!handshake_fault_) {
        handshake_fault_ = at_text(write.at) + " the expert wrote " + shown(text) +
                           " into an OUT_ field, which only the panel writes";
      }
      break;
  }
}

void LinkWatch::judge(Verdict& verdict, const std::string& text,
                      const std::optional<std::string>& why, Clock::time_point at) {
  ++verdict.seen;
  if (!why) {
    verdict.last_good = text;
  } else if (!verdict.first_bad) {
    verdict.first_bad = at_text(at) + " " + *why;
  }
}

void LinkWatch::read_command_written(const Write& write) {
  read_command_writes_.push_back(write);
  if (handshake_fault_) return;
  if (write.text == kReadOk) {
    if (handshake_ == Handshake::pending) handshake_ = Handshake::acknowledged;
    // A second READ_OK before the panel cleared the first changes nothing; one after does.
    if (handshake_ == Handshake::idle) {
      const std::string after = last_command_.empty()
                                    ? "before any command"
                                    : "after the panel had cleared the answer to " +
                                          shown(last_command_) + " and before a new command";
      handshake_fault_ = at_text(write.at) + " READ_OK written " + after +
                         ": it would clear the next command before the expert saw it";
    }
  } else if (write.text != kWait) {
    handshake_fault_ = at_text(write.at) + " " + shown(write.text) +
                       " written into IN_READ_COMMAND: the panel knows only READ_OK (exactly) "
                       "and WAIT";
  }
}

void LinkWatch::command_written(const std::string& command) {
  handshake_ = Handshake::pending;
  last_command_ = command;
}

void LinkWatch::handshake_cleared() {
  handshake_ = Handshake::idle;
}

std::optional<Clock::time_point> LinkWatch::read_ok_since(Clock::time_point since) const {
  for (const Write& w : read_command_writes_) {
    if (w.at >= since && w.text == kReadOk) return w.at;
  }
  return std::nullopt;
}

bool LinkWatch::wait_since(Clock::time_point since) const {
  return std::any_of(read_command_writes_.begin(), read_command_writes_.end(),
                     [&](const Write& w) { return w.at >= since && w.text == kWait; });
}

std::optional<Clock::time_point> LinkWatch::record_since(Clock::time_point since) const {
  for (const Clock::time_point at : good_records_) {
    if (at >= since) return at;
  }
  return std::nullopt;
}

std::string LinkWatch::at_text(Clock::time_point at) const {
  char text[32];
  std::snprintf(text, sizeof text,
                "at %.3f s:", static_cast<double>(ms_between(started_, at)) / 1000);
  return text;
}

}  // namespace pelmora::expert_check
