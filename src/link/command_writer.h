// The one way commands reach the terminal-side expert: a verb and three fields, each closed by
// ";", written whole into OUT_COMMAND, and the panel's half of the handshake that clears it.
// Field texts go in exactly as they stand, no trimming, no checks: the expert relies on the
// ticket's trailing blank, and an empty field stays empty. One command slot, and no click lost:
// - a command the expert has not taken yet (IN_READ_COMMAND empty) is replaced by a newer one;
// - while the expert works on one ("WAIT"), a newer one is held, and written the moment the
//   handshake of the one before completes; a newer one still replaces the held one;
// - while its "READ_OK" stands, the handshake is completed first, then the new one written.
// Every command is journalled with its fate.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/command_journal.h"
#include "platform/controls.h"

namespace pelmora::link {

// The fields the writer works on; held, not owned.
struct CommandFields {
  platform::Edit& OUT_COMMAND;
  platform::Edit& IN_READ_COMMAND;
  platform::TextControl& IN_ASK_BID;   // for the journal
  platform::Edit& OUT_SELECTED_ORDER;  // for the journal
};

class CommandWriter {
 public:
  // The fields and the journal are held, not owned.
  CommandWriter(CommandFields fields, CommandJournal& journal) : c_(fields), journal_(journal) {}
  CommandWriter(const CommandWriter&) = delete;
  CommandWriter& operator=(const CommandWriter&) = delete;
  // What the expert has not taken is journalled as pending.
  ~CommandWriter();

  void open_sell(std::string_view lot) { send("OPEN_SELL", lot); }
  void open_buy(std::string_view lot) { send("OPEN_BUY", lot); }
  void close(std::string_view ticket) { send("CLOSE", ticket); }
  void close_all() { send("CLOSE_ALL"); }
  void set_tsl(std::string_view ticket, std::string_view distance) {
    send("SET_TSL", ticket, distance);
  }
  // Stop loss first, although the verb names take profit first.
  void set_tp_sl(std::string_view ticket, std::string_view stop_loss,
                 std::string_view take_profit) {
    send("SET_TP_SL", ticket, stop_loss, take_profit);
  }

  // The link tick's part: on "READ_OK", OUT_COMMAND is cleared and then IN_READ_COMMAND, so the
  // expert never sees an acknowledged command standing next to an empty IN_READ_COMMAND; then a
  // held command is written once the expert is no longer busy.
  void handshake();

 private:
  // Every command goes through here: journalled, then written, or held while the expert works.
  void send(std::string_view verb, std::string_view f1 = {}, std::string_view f2 = {},
            std::string_view f3 = {});
  void complete_handshake();
  void write(JournalEntry entry);

  CommandFields c_;
  CommandJournal& journal_;
  std::optional<JournalEntry> standing_;  // written into OUT_COMMAND, not seen taken yet
  std::optional<JournalEntry> held_;      // waiting for the expert to finish the one before
};

}  // namespace pelmora::link
