// The rules' names and expectations, and the report's text. Each rule reads as one line
// "PASS  [name] what it expects", its evidence indented below.
#include "report.h"

namespace pelmora::expert_check {

namespace {

struct RuleText {
  std::string_view name;
  std::string_view expects;
};

constexpr RuleText kRules[kRuleCount] = {
    {"fields", "the expert finds the panel's window and fields and writes into them"},
    {"quotes", "IN_ASK_BID reads \"<bid> / <ask>\": two plain decimals, the bid first"},
    {"order-lines",
     "IN_ORDERS has one line per order, each a ticket, a blank and \"(\" first; no ticket twice"},
    {"record",
     "IN_ORDER_PROPERTY holds nine fields each closed by \";\", the numbers plain with \".\", "
     "the point and the lot step above 0"},
    {"selection",
     "a record for the order selected in OUT_SELECTED_ORDER within 2 s of each selection "
     "(a buy order's type even, a sell order's odd)"},
    {"read-ok", "READ_OK in IN_READ_COMMAND within 3 s of each command"},
    {"handshake",
     "IN_READ_COMMAND gets only READ_OK and WAIT from the expert, and no READ_OK once the panel "
     "has cleared it until the next command"},
    {"open", "OPEN_BUY and OPEN_SELL at the lot step each add an order line"},
    {"once",
     "each command is carried out once: one line per open, two for two equal commands in a row, "
     "the second held by the panel while WAIT stood"},
    {"stop-levels",
     "after SET_TP_SL the selected order's record shows the new stop-loss and take-profit "
     "within 2 s"},
    {"close", "CLOSE removes the selected order's line, CLOSE_ALL every line"},
    {"odd-texts",
     "an empty lot, an empty ticket and the ticket -1 are acknowledged and change no order; an "
     "off-step lot is acknowledged"},
};

std::string_view outcome_text(Outcome outcome) {
  switch (outcome) {
    case Outcome::pass:
      return "PASS ";
    case Outcome::fail:
      return "FAIL ";
    case Outcome::not_checked:
      break;
  }
  return "NOT CHECKED ";
}

}  // namespace

std::string_view rule_name(Rule rule) {
  return kRules[static_cast<size_t>(rule)].name;
}

std::string_view rule_expects(Rule rule) {
  return kRules[static_cast<size_t>(rule)].expects;
}

void Report::pass(Rule rule, std::string evidence) {
  Entry& e = entry(rule);
  if (e.outcome != Outcome::fail) e.outcome = Outcome::pass;
  e.evidence.push_back(std::move(evidence));
}

void Report::fail(Rule rule, std::string evidence) {
  Entry& e = entry(rule);
  e.outcome = Outcome::fail;
  e.evidence.push_back(std::move(evidence));
}

void Report::note(Rule rule, std::string evidence) {
  entry(rule).evidence.push_back(std::move(evidence));
}

std::string Report::summary() const {
  int passed = 0;
  std::string failed, unchecked;
  for (size_t i = 0; i < kRuleCount; ++i) {
    const std::string name(kRules[i].name);
    switch (entries_[i].outcome) {
      case Outcome::pass:
        ++passed;
        break;
      case Outcome::fail:
        failed += (failed.empty() ? "" : ", ") + name;
        break;
      case Outcome::not_checked:
        unchecked += (unchecked.empty() ? "" : ", ") + name;
        break;
    }
  }
  std::string text = std::to_string(passed) + " of " + std::to_string(kRuleCount) + " rules pass";
  if (!failed.empty()) text += "; fail: " + failed;
  if (!unchecked.empty()) text += "; not checked: " + unchecked;
  return text;
}

std::string Report::text(std::string_view heading, std::string_view ending) const {
  std::string text = std::string(heading) + "\r\nResult: " + summary() + "\r\n\r\n";
  for (size_t i = 0; i < kRuleCount; ++i) {
    const Entry& e = entries_[i];
    text += std::string(outcome_text(e.outcome)) + "[" + std::string(kRules[i].name) + "] " +
            std::string(kRules[i].expects) + "\r\n";
    for (const std::string& line : e.evidence) text += "      " + line + "\r\n";
  }
  if (!ending.empty()) text += "\r\n" + std::string(ending) + "\r\n";
  return text;
}

}  // namespace pelmora::expert_check
