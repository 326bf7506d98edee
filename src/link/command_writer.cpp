// Command texts by plain concatenation (verb;field1;field2;field3;), and the slot's rules.
#include "link/command_writer.h"

#include "common/silently.h"
#include "link/exchange_fields.h"

namespace pelmora::link {

CommandWriter::~CommandWriter() {
  common::silently([this] {
    if (held_) journal_.close(*std::move(held_), CommandFate::kPending);
    if (standing_) journal_.close(*std::move(standing_), CommandFate::kPending);
  });
}

void CommandWriter::send(std::string_view verb, std::string_view f1, std::string_view f2,
                         std::string_view f3) {
  std::string text;
  text.reserve(verb.size() + f1.size() + f2.size() + f3.size() + 4);
  text.append(verb).append(";").append(f1).append(";").append(f2).append(";").append(f3).append(
      ";");
  JournalEntry entry =
      journal_.entry(std::move(text), c_.IN_ASK_BID.text(), c_.OUT_SELECTED_ORDER.text());
  const std::string read = c_.IN_READ_COMMAND.text();
  if (read == kWait) {
    if (held_) journal_.close(*std::move(held_), CommandFate::kReplaced);
    journal_.hold(entry);
    held_ = std::move(entry);
    return;
  }
  if (read == kReadOk) complete_handshake();
  write(std::move(entry));
}

void CommandWriter::handshake() {
  complete_handshake();
  if (!held_) return;
  const std::string read = c_.IN_READ_COMMAND.text();
  if (read == kWait || read == kReadOk) return;
  JournalEntry released = *std::move(held_);
  held_.reset();
  journal_.release(released);
  write(std::move(released));
}

void CommandWriter::complete_handshake() {
  if (c_.IN_READ_COMMAND.text() != kReadOk) return;
  if (standing_) journal_.close(*std::move(standing_), CommandFate::kTaken);
  standing_.reset();
  c_.OUT_COMMAND.set_text("");
  if (c_.OUT_COMMAND.text().empty() && c_.IN_READ_COMMAND.text() == kReadOk) {
    c_.IN_READ_COMMAND.set_text("");
  }
}

// A newer command replaces both one not taken yet and one still held.
void CommandWriter::write(JournalEntry entry) {
  if (held_) journal_.close(*std::move(held_), CommandFate::kReplaced);
  held_.reset();
  if (standing_) journal_.close(*std::move(standing_), CommandFate::kReplaced);
  standing_.reset();
  c_.OUT_COMMAND.set_text(entry.command);
  standing_ = std::move(entry);
}

}  // namespace pelmora::link
