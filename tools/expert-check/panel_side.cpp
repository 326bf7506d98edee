// The panel's half of the handshake and its selection, on the checker's own fields.
#include "panel_side.h"

#include <algorithm>

#include "link/order_lines.h"
#include "pelmora/link.h"

namespace pelmora::expert_check {

namespace {
const std::string kReadOk = ascii(PELMORA_READ_OK);
const std::string kWait = ascii(PELMORA_WAIT);
const std::string kNoSelection = ascii(PELMORA_NO_SELECTION);
}  // namespace

PanelSide::PanelSide(CheckWindow& window, LinkWatch& watch) : window_(window), watch_(watch) {
  select(kNoSelection);
}

void PanelSide::tick() {
  complete_handshake();
  if (held_ && window_.text(PELMORA_IN_READ_COMMAND) != kWait) {
    const std::string command = *held_;
    held_.reset();
    write(command);
  }
  // The selection stays on an order that is still there; else the first line, else none.
  const std::vector<std::string> now = tickets();
  if (std::find(now.begin(), now.end(), selected_) == now.end()) {
    select(now.empty() ? kNoSelection : now.front());
  }
}

void PanelSide::complete_handshake() {
  if (window_.text(PELMORA_IN_READ_COMMAND) != kReadOk) return;
  window_.set_text(PELMORA_OUT_COMMAND, "");
  if (window_.text(PELMORA_OUT_COMMAND).empty() &&
      window_.text(PELMORA_IN_READ_COMMAND) == kReadOk) {
    window_.set_text(PELMORA_IN_READ_COMMAND, "");
    watch_.handshake_cleared();
  }
}

void PanelSide::click(const std::string& command) {
  complete_handshake();
  if (window_.text(PELMORA_IN_READ_COMMAND) == kWait) {
    if (!held_) ++held_clicks_;
    held_ = command;
    return;
  }
  write(command);
}

void PanelSide::write(const std::string& command) {
  watch_.command_written(command);
  written_.push_back({command, Clock::now()});
  window_.set_text(PELMORA_OUT_COMMAND, command);
}

void PanelSide::select(const std::string& ticket) {
  if (ticket == selected_) return;
  selected_ = ticket;
  selected_since_ = Clock::now();
  window_.set_text(PELMORA_OUT_SELECTED_ORDER, ticket);
}

bool PanelSide::idle() const {
  return !held_ && window_.text(PELMORA_OUT_COMMAND).empty() &&
         window_.text(PELMORA_IN_READ_COMMAND).empty();
}

std::vector<std::string> PanelSide::tickets() const {
  std::vector<std::string_view> lines;
  const std::string orders = window_.text(PELMORA_IN_ORDERS);
  link::split_order_lines(orders, lines);
  std::vector<std::string> result;
  for (const std::string_view line : lines) {
    const std::string_view ticket = link::ticket_of_line(line);
    if (!ticket.empty()) result.emplace_back(ticket);
  }
  return result;
}

}  // namespace pelmora::expert_check
