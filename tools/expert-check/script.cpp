// The checks. Every wait runs the message loop (Pump), so the expert's writes keep arriving and
// the panel side keeps ticking while the script waits for them.
#include "script.h"

#include <algorithm>
#include <cmath>

#include "common/fixed_text.h"
#include "pelmora/link.h"

namespace pelmora::expert_check {

namespace {

using namespace std::chrono_literals;

constexpr auto kFindBound = 30s;  // the page tells experts to look for the panel this long
constexpr auto kQuotesBound = 5s;
constexpr auto kFirstOrdersBound = 1s;
constexpr auto kAnswerBound = 3s;
constexpr auto kRecordBound = 2s;
constexpr auto kHandshakeBound = 1s;
// After the handshake, how long the order lines are watched for a command carried out twice.
constexpr auto kSettle = 250ms;
constexpr size_t kOrdersSelectedAtStart = 5;
constexpr int kLevelPoints = 1000;  // stop-loss and take-profit this far from the open price
constexpr const char* kTrailingPoints = "500";
constexpr double kOffStepFactor = 12.5;  // 0.125 for a lot step of 0.01

const std::string kWait = ascii(PELMORA_WAIT);

std::string joined(const std::vector<std::string>& tickets) {
  std::string text;
  for (const std::string& t : tickets) text += (text.empty() ? "" : ", ") + shown(t);
  return text.empty() ? "none" : text;
}

std::vector<std::string> missing_from(const std::vector<std::string>& from,
                                      const std::vector<std::string>& in) {
  std::vector<std::string> result;
  for (const std::string& t : from) {
    if (std::find(in.begin(), in.end(), t) == in.end()) result.push_back(t);
  }
  return result;
}

std::string ms_text(long long ms) {
  return std::to_string(ms) + " ms";
}

}  // namespace

void Script::run() {
  if (!expert_found()) return judge_what_was_written();
  orders_found_at_start();
  const double lot_step = p_.watch.last_record() ? p_.watch.last_record()->lot_step : 0.01;
  const std::string lot = common::lot_text(lot_step);
  const auto buy = open(ascii(PELMORA_OPEN_BUY), lot, false);
  const auto sell = live() ? open(ascii(PELMORA_OPEN_SELL), lot, true) : std::nullopt;
  if (buy && sell && live()) expect_record(*buy, false, "the buy order again");
  if (buy && live()) {
    stop_levels(*buy);
    if (live()) command(ascii(PELMORA_SET_TSL) + ";" + *buy + ";" + kTrailingPoints + ";;");
  } else if (live()) {
    note(Rule::stop_levels, "not checked: no order of the checker's to set levels on");
  }
  if (live()) held_pair(lot);
  if (live()) odd_texts(lot_step);
  if (live()) close(sell);
  judge_what_was_written();
}

bool Script::live() const {
  return !stopped_ && !p_.pump.ending();
}

bool Script::expert_found() {
  if (!p_.pump.until([&] { return p_.watch.first_write().has_value(); }, kFindBound)) {
    if (!p_.pump.ending()) {
      fail(Rule::fields, "nothing was written into any field within 30 s of the fields' showing");
    }
    stopped_ = "no expert wrote into the fields";
    return false;
  }
  pass(Rule::fields, "the first write (" + p_.watch.first_field() + ") came " +
                         ms_text(ms_between(p_.watch.started(), *p_.watch.first_write())) +
                         " after the fields were shown");
  p_.pump.until([&] { return p_.watch.quotes().seen > 0; }, kQuotesBound);
  p_.pump.until([&] { return p_.watch.order_lines().seen > 0; }, kFirstOrdersBound);
  return !p_.pump.ending();
}

void Script::orders_found_at_start() {
  std::vector<std::string> tickets = p_.panel.tickets();
  if (tickets.size() > kOrdersSelectedAtStart) tickets.resize(kOrdersSelectedAtStart);
  for (const std::string& ticket : tickets) {
    if (!live() || !expect_record(ticket, std::nullopt, "an order line found at the start")) break;
  }
}

std::optional<std::string> Script::open(const std::string& verb, const std::string& lot,
                                        bool sell) {
  const std::string text = verb + ";" + lot + ";;;";
  const auto taken = command(text);
  if (!taken) return std::nullopt;
  if (taken->added.empty()) {
    fail(Rule::open, shown(text) + " added no order line");
    return std::nullopt;
  }
  pass(Rule::open, shown(text) + " added " + joined(taken->added));
  if (taken->added.size() == 1) {
    pass(Rule::once, shown(text) + " added one line");
  } else {
    fail(Rule::once, shown(text) + " added " + std::to_string(taken->added.size()) +
                         " lines: " + joined(taken->added));
  }
  const std::string ticket = taken->added.front();
  expect_record(ticket, sell, sell ? "the checker's sell order" : "the checker's buy order");
  return ticket;
}

void Script::stop_levels(const std::string& buy) {
  const auto record = current_record();
  if (p_.panel.selected() != buy || !record) {
    note(Rule::stop_levels, "not checked: no record for " + shown(buy) + " to set levels from");
    return;
  }
  const int decimals = decimals_of(record->fields[PELMORA_RECORD_POINT - 1]);
  const double stop_loss = record->open - kLevelPoints * record->point;
  const double take_profit = record->open + kLevelPoints * record->point;
  const std::string text = ascii(PELMORA_SET_TP_SL) + ";" + buy + ";" +
                           number_text(stop_loss, decimals) + ";" +
                           number_text(take_profit, decimals) + ";";
  if (!command(text)) return;
  const auto since = Clock::now();
  const auto close_to = [&](double a, double b) { return std::fabs(a - b) < record->point / 2; };
  const bool shown_levels = p_.pump.until(
      [&] {
        const auto now = current_record();
        return now && close_to(now->stop_loss, stop_loss) &&
               close_to(now->take_profit, take_profit);
      },
      kRecordBound);
  if (shown_levels) {
    pass(Rule::stop_levels, shown(text) + ": the record showed the levels " +
                                ms_text(ms_between(since, Clock::now())) + " after the handshake");
  } else if (!p_.pump.ending()) {
    fail(Rule::stop_levels, shown(text) + ": 2 s after the handshake IN_ORDER_PROPERTY reads " +
                                shown(p_.window.text(PELMORA_IN_ORDER_PROPERTY)) +
                                "; write the record again when the selected order's levels change");
  }
}

// The second click comes while the expert works on the first: at its WAIT, or at its READ_OK
// when it never lets a WAIT stand.
void Script::held_pair(const std::string& lot) {
  const std::string text = ascii(PELMORA_OPEN_BUY) + ";" + lot + ";;;";
  const auto before = p_.panel.tickets();
  const size_t first = p_.panel.written().size();
  p_.panel.click(text);
  const auto written_at =
      p_.panel.written().size() > first ? p_.panel.written()[first].at : Clock::now();
  p_.pump.until(
      [&] {
        return p_.window.text(PELMORA_IN_READ_COMMAND) == kWait ||
               p_.watch.read_ok_since(written_at).has_value();
      },
      kAnswerBound);
  const int held_before = p_.panel.held_clicks();
  p_.panel.click(text);
  const bool held = p_.panel.held_clicks() > held_before;
  if (!answered(first, text) || !answered(first + 1, text)) return;
  const Taken taken = settled(before);
  const std::string how = held ? "the second was held while WAIT stood"
                               : "no WAIT stood when the second came, so it followed the first";
  if (taken.added.size() == 2) {
    pass(Rule::once, "two " + shown(text) + " in a row added two lines (" + how + ")");
  } else {
    fail(Rule::once, "two " + shown(text) + " in a row added " +
                         std::to_string(taken.added.size()) + " lines: " + joined(taken.added) +
                         " (" + how + ")");
  }
}

void Script::odd_texts(double lot_step) {
  const std::string odd[] = {ascii(PELMORA_OPEN_BUY) + ";;;;", ascii(PELMORA_CLOSE) + ";;;;",
                             ascii(PELMORA_CLOSE) + ";" + ascii(PELMORA_NO_SELECTION) + ";;;"};
  for (const std::string& text : odd) {
    const auto taken = command(text);
    if (!taken) return;
    if (taken->added.empty() && taken->removed.empty()) {
      pass(Rule::odd_texts, shown(text) + " acknowledged, no order changed");
    } else {
      fail(Rule::odd_texts, shown(text) + " added " + joined(taken->added) + " and removed " +
                                joined(taken->removed));
    }
  }
  const std::string off_step = number_text(lot_step * kOffStepFactor);
  const std::string text = ascii(PELMORA_OPEN_SELL) + ";" + off_step + ";;;";
  const auto taken = command(text);
  if (!taken) return;
  pass(Rule::odd_texts,
       shown(text) + " (the lot step is " + number_text(lot_step) + ") acknowledged; " +
           (taken->added.empty() ? "no order opened" : "it opened " + joined(taken->added)));
  if (taken->added.size() > 1) fail(Rule::once, shown(text) + " added " + joined(taken->added));
}

void Script::close(const std::optional<std::string>& sell) {
  if (sell) {
    p_.panel.select(*sell);
    const std::string text = ascii(PELMORA_CLOSE) + ";" + *sell + ";;;";
    const auto taken = command(text);
    if (!taken) return;
    if (taken->removed == std::vector<std::string>{*sell} && taken->added.empty()) {
      pass(Rule::close, shown(text) + " removed its line");
    } else {
      fail(Rule::close, shown(text) + " removed " + joined(taken->removed) + " and added " +
                            joined(taken->added));
    }
  }
  const std::string text = ascii(PELMORA_CLOSE_ALL) + ";;;;";
  if (!command(text)) return;
  const auto left = p_.panel.tickets();
  if (left.empty()) {
    pass(Rule::close, shown(text) + " left no order line");
  } else {
    fail(Rule::close, shown(text) + " left " + joined(left));
  }
}

std::optional<Script::Taken> Script::command(const std::string& text) {
  const auto before = p_.panel.tickets();
  const size_t index = p_.panel.written().size();
  p_.panel.click(text);
  if (!answered(index, text)) return std::nullopt;
  Taken taken = settled(before);
  taken.ms = answer_ms_.back();
  return taken;
}

bool Script::answered(size_t index, const std::string& text) {
  const bool written =
      p_.pump.until([&] { return p_.panel.written().size() > index; }, kAnswerBound);
  const auto at = written ? p_.panel.written()[index].at : Clock::now();
  if (written &&
      p_.pump.until([&] { return p_.watch.read_ok_since(at).has_value(); }, kAnswerBound)) {
    answer_ms_.push_back(ms_between(at, *p_.watch.read_ok_since(at)));
    if (p_.watch.wait_since(at)) ++answers_with_wait_;
    return true;
  }
  if (p_.pump.ending()) return false;
  const std::string why = !written ? " was held for 3 s: the expert's WAIT stood all that time"
                          : p_.watch.wait_since(at) ? ": WAIT, but no READ_OK within 3 s"
                                                    : ": no READ_OK within 3 s";
  fail(Rule::read_ok, shown(text) + why);
  stopped_ = "the expert did not acknowledge " + shown(text);
  return false;
}

Script::Taken Script::settled(const std::vector<std::string>& before) {
  p_.pump.until([&] { return p_.panel.idle(); }, kHandshakeBound);
  p_.pump.wait(kSettle);
  const auto after = p_.panel.tickets();
  return {.ms = 0, .added = missing_from(after, before), .removed = missing_from(before, after)};
}

// A record written since the selection is looked for first; an expert that writes a record only
// when its text changes may leave the one standing, which then has to fit.
bool Script::expect_record(const std::string& ticket, std::optional<bool> sell,
                           const std::string& what) {
  p_.panel.select(ticket);
  const auto since = p_.panel.selected_since();
  const auto fitting = [&] {
    const auto record = current_record();
    return record && (!sell || record->sell_side() == *sell);
  };
  const bool fresh = p_.pump.until(
      [&] { return p_.watch.record_since(since).has_value() && fitting(); }, kRecordBound);
  const bool fits = fresh || (!p_.pump.ending() && fitting());
  const std::string name = shown(ticket) + " (" + what + ")";
  if (fits) {
    pass(Rule::selection,
         name + ": " +
             (fresh ? "record " + ms_text(ms_between(since, *p_.watch.record_since(since))) +
                          " after the selection"
                    : std::string("no record written, the one standing fits")));
  } else if (!p_.pump.ending()) {
    fail(Rule::selection, name + ": 2 s after the selection IN_ORDER_PROPERTY reads " +
                              shown(p_.window.text(PELMORA_IN_ORDER_PROPERTY)) +
                              (sell ? (*sell ? ", not a sell order's record"
                                             : ", not a buy "
                                               "order's record")
                                    : ""));
  }
  return fits;
}

std::optional<Record> Script::current_record() const {
  std::string why;
  return read_record(p_.window.text(PELMORA_IN_ORDER_PROPERTY), &why);
}

void Script::judge_what_was_written() {
  const auto judge = [&](Rule rule, const LinkWatch::Verdict& v, const char* field) {
    if (v.first_bad) {
      fail(rule, *v.first_bad);
    } else if (v.seen > 0) {
      pass(rule, std::to_string(v.seen) + " texts written, the last " + shown(v.last_good));
    } else if (p_.watch.first_write()) {
      fail(rule, std::string(field) + " was never written");
    }
  };
  judge(Rule::quotes, p_.watch.quotes(), "IN_ASK_BID");
  judge(Rule::order_lines, p_.watch.order_lines(), "IN_ORDERS");
  judge(Rule::record, p_.watch.records(), "IN_ORDER_PROPERTY");
  if (p_.watch.handshake_fault()) {
    fail(Rule::handshake, *p_.watch.handshake_fault());
  } else if (!answer_ms_.empty()) {
    pass(Rule::handshake, std::to_string(answer_ms_.size()) + " handshakes, nothing out of turn");
  }
  if (!answer_ms_.empty()) {
    std::vector<long long> sorted = answer_ms_;
    std::sort(sorted.begin(), sorted.end());
    pass(Rule::read_ok, std::to_string(sorted.size()) + " commands answered, READ_OK after a " +
                            "median of " + ms_text(sorted[sorted.size() / 2]) + ", at most " +
                            ms_text(sorted.back()) + "; WAIT came first for " +
                            std::to_string(answers_with_wait_) + " of them");
  }
  const std::string why = p_.pump.ending() ? "the run ended first (" + p_.pump.end_reason() + ")"
                          : stopped_       ? *stopped_
                                           : "";
  for (size_t i = 0; i < kRuleCount && !why.empty(); ++i) {
    const auto rule = static_cast<Rule>(i);
    if (p_.report.outcome(rule) == Outcome::not_checked) note(rule, "not checked: " + why);
  }
}

void Script::pass(Rule rule, const std::string& evidence) {
  p_.report.pass(rule, evidence);
  p_.window.show_line("pass [" + std::string(rule_name(rule)) + "] " + evidence);
}

void Script::fail(Rule rule, const std::string& evidence) {
  p_.report.fail(rule, evidence);
  p_.window.show_line("FAIL [" + std::string(rule_name(rule)) + "] " + evidence);
}

void Script::note(Rule rule, const std::string& evidence) {
  p_.report.note(rule, evidence);
  p_.window.show_line("     [" + std::string(rule_name(rule)) + "] " + evidence);
}

}  // namespace pelmora::expert_check
