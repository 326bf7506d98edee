// The checks in their order, as the panel's user would give the commands but without a click:
// wait for the expert, select each order line found, open a buy and a sell order at the lot
// step and select each, set stop-loss and take-profit and a trailing stop on the buy order, give
// two equal commands in a row (the second held while the expert's WAIT stands), send the odd
// texts an expert must tolerate, close the sell order, close all. It stops early when the run
// ends or the expert leaves a command unacknowledged.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check_window.h"
#include "link_watch.h"
#include "panel_side.h"
#include "pump.h"
#include "report.h"

namespace pelmora::expert_check {

class Script {
 public:
  struct Parts {
    Pump& pump;
    PanelSide& panel;
    LinkWatch& watch;
    CheckWindow& window;
    Report& report;
  };

  explicit Script(Parts parts) : p_(parts) {}
  void run();

 private:
  // What one command did: READ_OK's time after the command was written, and the order lines
  // it added and removed once the handshake was over.
  struct Taken {
    long long ms = 0;
    std::vector<std::string> added, removed;
  };

  bool expert_found();
  void orders_found_at_start();
  std::optional<std::string> open(const std::string& verb, const std::string& lot, bool sell);
  void stop_levels(const std::string& buy);
  void held_pair(const std::string& lot);
  void odd_texts(double lot_step);
  void close(const std::optional<std::string>& sell);
  void judge_what_was_written();

  // Clicks the command and waits for it to be answered and the handshake to end.
  std::optional<Taken> command(const std::string& text);
  // Waits for the index-th command written to be answered; false (READ_OK failed) if it is not.
  bool answered(size_t index, const std::string& text);
  Taken settled(const std::vector<std::string>& before);
  // Selects the ticket and waits for a well-formed record (of that side, when known).
  bool expect_record(const std::string& ticket, std::optional<bool> sell, const std::string& what);
  std::optional<Record> current_record() const;
  bool live() const;

  void pass(Rule rule, const std::string& evidence);
  void fail(Rule rule, const std::string& evidence);
  void note(Rule rule, const std::string& evidence);

  Parts p_;
  std::vector<long long> answer_ms_;
  int answers_with_wait_ = 0;
  std::optional<std::string> stopped_;  // why the command checks stopped
};

}  // namespace pelmora::expert_check
