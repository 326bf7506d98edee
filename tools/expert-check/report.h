// The rules the checker holds an expert to, each with its outcome (pass, fail or not checked)
// and the evidence it saw, and the report made of them. A rule that failed once stays failed.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::expert_check {

enum class Rule {
  fields,
  quotes,
  order_lines,
  record,
  selection,
  read_ok,
  handshake,
  open,
  once,
  stop_levels,
  close,
  odd_texts,
};
inline constexpr size_t kRuleCount = 12;

enum class Outcome { not_checked, pass, fail };

class Report {
 public:
  // Evidence for the rule; pass() leaves a failed rule failed.
  void pass(Rule rule, std::string evidence);
  void fail(Rule rule, std::string evidence);
  // Evidence for a rule that cannot be judged (it stays not checked unless already judged).
  void note(Rule rule, std::string evidence);
  Outcome outcome(Rule rule) const { return entry(rule).outcome; }

  // "12 of 12 rules pass" or "10 of 12 rules pass; fail: read-ok; not checked: open".
  std::string summary() const;
  // The whole report: a heading, the summary, then each rule with its evidence, then `ending`.
  std::string text(std::string_view heading, std::string_view ending) const;

 private:
  struct Entry {
    Outcome outcome = Outcome::not_checked;
    std::vector<std::string> evidence;
  };
  Entry& entry(Rule rule) { return entries_[static_cast<size_t>(rule)]; }
  const Entry& entry(Rule rule) const { return entries_[static_cast<size_t>(rule)]; }

  std::array<Entry, kRuleCount> entries_{};
};

// The rule's short name in the report ("read-ok") and what it expects.
std::string_view rule_name(Rule rule);
std::string_view rule_expects(Rule rule);

}  // namespace pelmora::expert_check
