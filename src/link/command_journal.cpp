// The journal's lines: a spreadsheet reads them (a byte-order mark says UTF-8, every text is
// quoted, and a text that a spreadsheet would take for a formula is kept as text).
#include "link/command_journal.h"

#include <cstdio>

namespace pelmora::link {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string date_text(const platform::LocalTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
  return text;
}

std::string time_text(const platform::LocalTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", t.hour, t.minute, t.second,
                t.millisecond);
  return date_text(t) + " " + text;
}

bool plain_number(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  return !text.empty() && text.find_first_not_of("0123456789.") == std::string_view::npos;
}

// Quoted, with its quotes doubled; a leading = + - @ (a formula to a spreadsheet) gets a "'"
// in front, unless the text is a plain number such as the ticket -1.
std::string csv_text(std::string_view text) {
  std::string out = "\"";
  if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos &&
      !plain_number(text)) {
    out += '\'';
  }
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::string_view fate_text(CommandFate fate) {
  switch (fate) {
    case CommandFate::kTaken:
      return "taken";
    case CommandFate::kReplaced:
      return "replaced";
    case CommandFate::kPending:
      return "pending";
  }
  return "";
}

}  // namespace

JournalEntry CommandJournal::entry(std::string command, std::string quotes,
                                   std::string ticket) const {
  const platform::LocalTime now = clock_.local_now();
  return {.file = date_text(now) + ".csv",
          .made = time_text(now),
          .made_ms = clock_.steady_ms(),
          .command = std::move(command),
          .quotes = std::move(quotes),
          .ticket = std::move(ticket)};
}

void CommandJournal::hold(JournalEntry& entry) const {
  entry.held_since_ms = clock_.steady_ms();
  if (!entry.held_ms) entry.held_ms = 0;
}

void CommandJournal::release(JournalEntry& entry) const {
  if (!entry.held_since_ms) return;
  *entry.held_ms += clock_.steady_ms() - *entry.held_since_ms;
  entry.held_since_ms.reset();
}

void CommandJournal::close(JournalEntry entry, CommandFate fate) {
  release(entry);
  std::string line = entry.made + "," + csv_text(entry.command) + "," + csv_text(entry.quotes) +
                     "," + csv_text(entry.ticket) + "," + std::string(fate_text(fate)) + "," +
                     std::to_string(clock_.steady_ms() - entry.made_ms) + ",";
  if (entry.held_ms) line += std::to_string(*entry.held_ms);
  files_.append(file(entry.file), line + "\r\n", std::string(kJournalFull));
}

void CommandJournal::show_today(platform::Desktop& desktop, platform::WindowRef owner) {
  const std::string name = date_text(clock_.local_now()) + ".csv";
  files_.append(file(name), {}, {});
  files_.then([&desktop, owner, path = files_.path_of(name)] { desktop.open_file(path, owner); });
}

platform::JournalFile CommandJournal::file(std::string name) const {
  return {.name = std::move(name),
          .header = std::string(kByteOrderMark) + std::string(kJournalHeader) + "\r\n",
          .cap = kJournalCap};
}

}  // namespace pelmora::link
