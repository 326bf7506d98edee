// The panel's half of the link, played without clicks: at every tick it completes a handshake
// the expert acknowledged (OUT_COMMAND cleared, then IN_READ_COMMAND), writes a held command
// once that is done, and keeps a selection that still names an order, as the panel does. A
// command is written by the panel's rule: a standing READ_OK is completed first, a command is
// held while WAIT stands (a newer one replacing it), and one not yet taken is replaced.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check_window.h"
#include "link_watch.h"

namespace pelmora::expert_check {

class PanelSide {
 public:
  struct Written {
    std::string command;
    Clock::time_point at;
  };

  // Both are held, not owned. Publishes "-1" as the panel does before any order is selected.
  PanelSide(CheckWindow& window, LinkWatch& watch);

  // Every 10 ms, as the panel's link tick.
  void tick();
  // A command as a click writes it.
  void click(const std::string& command);
  // Selects the order line with this ticket value ("1001 "), or nothing ("-1"); selecting the
  // selected line again changes nothing, as in the panel's list.
  void select(const std::string& ticket);

  const std::string& selected() const { return selected_; }
  // When the selection last changed.
  Clock::time_point selected_since() const { return selected_since_; }
  // Every command written into OUT_COMMAND, oldest first, and how many clicks were held.
  const std::vector<Written>& written() const { return written_; }
  int held_clicks() const { return held_clicks_; }
  // No command pending, none held, and IN_READ_COMMAND empty.
  bool idle() const;
  // The tickets of IN_ORDERS now, as the panel takes them from the lines ("1001 ").
  std::vector<std::string> tickets() const;

 private:
  void complete_handshake();
  void write(const std::string& command);

  CheckWindow& window_;
  LinkWatch& watch_;
  std::string selected_;
  Clock::time_point selected_since_{};
  std::optional<std::string> held_;
  std::vector<Written> written_;
  int held_clicks_ = 0;
};

}  // namespace pelmora::expert_check
