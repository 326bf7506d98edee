// The command journal: one CSV line for each command the panel makes, written once its fate is
// known (taken by the expert, replaced before it was taken, or still pending when the panel
// ended), into one file a day in the user's journal folder. It answers "did my click reach the
// expert, and when?" after the fact.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/journal_files.h"

namespace pelmora::link {

enum class CommandFate { kTaken, kReplaced, kPending };

// A command from the click to its fate.
struct JournalEntry {
  std::string file;  // the day's file it goes into: that of the click
  std::string made;  // the click's local date and time, to the millisecond
  std::int64_t made_ms = 0;
  std::string command, quotes, ticket;        // as they stood at the click
  std::optional<std::int64_t> held_since_ms;  // held now, while the expert is busy
  std::optional<std::int64_t> held_ms;        // how long it was held, all told; none: never
};

// A day's file holds at most this much; later lines of that day are dropped.
inline constexpr std::uint64_t kJournalCap = 10 * 1024 * 1024;
inline constexpr std::string_view kJournalHeader = "time,command,quotes,ticket,fate,ms,held_ms";
// The last line of a full day's file; the same text every time, so that it is written once.
inline constexpr std::string_view kJournalFull =
    ",\"the journal of this day is full (10 MB): later commands are not recorded\",,,,,\r\n";

class CommandJournal {
 public:
  // The roles are held, not owned.
  CommandJournal(const platform::Clock& clock, platform::JournalFiles& files)
      : clock_(clock), files_(files) {}

  // A command made now, with the quotes and the ticket that stood at that moment.
  JournalEntry entry(std::string command, std::string quotes, std::string ticket) const;
  // The expert is busy: the command waits. held_ms counts until released.
  void hold(JournalEntry& entry) const;
  void release(JournalEntry& entry) const;
  // Writes the command's line: its fate and the milliseconds from the click to it.
  void close(JournalEntry entry, CommandFate fate);
  // Opens today's file with the system's handler for it; a day without commands yet gets its
  // file (the header alone) first.
  void show_today(platform::Desktop& desktop, platform::WindowRef owner);

 private:
  platform::JournalFile file(std::string name) const;

  const platform::Clock& clock_;
  platform::JournalFiles& files_;
};

}  // namespace pelmora::link
