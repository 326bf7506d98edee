// The strict readers. Numbers are checked by hand before strtod reads them, so that nothing the
// C library would also accept (blanks, exponents, "inf", hexadecimal) passes as plain.
#include "link_texts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <set>

#include "link/order_lines.h"

namespace pelmora::expert_check {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

bool all_digits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), is_digit);
}

std::vector<std::string_view> split_fields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t end; (end = text.find(';', start)) != std::string_view::npos; start = end + 1) {
    fields.push_back(text.substr(start, end - start));
  }
  return fields;
}

}  // namespace

std::string ascii(const wchar_t* text) {
  std::string result;
  for (; *text; ++text) result += static_cast<char>(*text);
  return result;
}

std::optional<double> read_plain_number(std::string_view text) {
  std::string_view digits = text;
  if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
  const size_t point = digits.find('.');
  if (!all_digits(digits.substr(0, point))) return std::nullopt;
  if (point != std::string_view::npos && !all_digits(digits.substr(point + 1))) {
    return std::nullopt;
  }
  return std::strtod(std::string(text).c_str(), nullptr);
}

int decimals_of(std::string_view plain_number) {
  const size_t point = plain_number.find('.');
  return point == std::string_view::npos ? 0 : static_cast<int>(plain_number.size() - point - 1);
}

std::string number_text(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals < 0 ? 6 : decimals, value);
  std::string result = text;
  if (decimals < 0 && result.find('.') != std::string::npos) {
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
  }
  return result;
}

std::optional<Quotes> read_quotes(std::string_view text, std::string* why) {
  const size_t between = text.find(" / ");
  if (between == std::string_view::npos) {
    *why = shown(text) + " is not \"<bid> / <ask>\"";
    return std::nullopt;
  }
  const auto bid = read_plain_number(text.substr(0, between));
  const auto ask = read_plain_number(text.substr(between + 3));
  if (!bid || !ask) {
    *why = shown(text) + ": both prices must be plain decimals with \".\"";
    return std::nullopt;
  }
  if (*bid > *ask) {
    *why = shown(text) + ": the first price is the higher; the bid comes first, then the ask";
    return std::nullopt;
  }
  return Quotes{*bid, *ask};
}

std::optional<std::vector<std::string>> read_order_lines(std::string_view text, std::string* why) {
  std::vector<std::string_view> lines;
  link::split_order_lines(text, lines, std::numeric_limits<size_t>::max());
  std::vector<std::string> tickets;
  std::set<std::string> seen;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view ticket = link::ticket_of_line(lines[i]);
    const std::string_view bare = ticket.substr(0, ticket.empty() ? 0 : ticket.size() - 1);
    const std::string where = "line " + std::to_string(i + 1) + " " + shown(lines[i]);
    if (bare.empty() || bare.find(' ') != std::string_view::npos) {
      *why = where + " does not start with a ticket and \" (\"";
      return std::nullopt;
    }
    if (!seen.insert(std::string(bare)).second) {
      *why = where + " repeats the ticket " + std::string(bare);
      return std::nullopt;
    }
    tickets.emplace_back(ticket);
  }
  return tickets;
}

std::optional<Record> read_record(std::string_view text, std::string* why) {
  const std::vector<std::string_view> fields = split_fields(text);
  if (fields.size() != 9 || text.back() != ';') {
    *why = shown(text) + " has " + std::to_string(fields.size()) + " fields closed by \";\"" +
           (fields.size() == 9 ? " and text after the last" : "") +
           "; a record has nine, the last \";\" at its end";
    return std::nullopt;
  }
  Record record;
  record.fields.assign(fields.begin(), fields.end());
  const std::string_view type = fields[1];
  if (!all_digits(type.substr(!type.empty() && type.front() == '-' ? 1 : 0))) {
    *why = shown(text) + ": field 2 (the order type) is not a whole number";
    return std::nullopt;
  }
  record.type = std::strtol(std::string(type).c_str(), nullptr, 10);
  struct Number {
    int field;
    double* value;
    const char* name;
  };
  const Number numbers[] = {{3, &record.open, "the open price"},
                            {4, &record.stop_loss, "the stop-loss"},
                            {5, &record.take_profit, "the take-profit"},
                            {6, &record.point, "the point"},
                            {9, &record.lot_step, "the lot step"}};
  for (const Number& n : numbers) {
    const auto value = read_plain_number(fields[static_cast<size_t>(n.field - 1)]);
    if (!value) {
      *why = shown(text) + ": field " + std::to_string(n.field) + " (" + n.name +
             ") is not a plain decimal with \".\"";
      return std::nullopt;
    }
    *n.value = *value;
  }
  if (record.point <= 0 || record.lot_step <= 0) {
    *why = shown(text) + ": the point (field 6) and the lot step (field 9) must be above 0";
    return std::nullopt;
  }
  return record;
}

std::string shown(std::string_view text) {
  constexpr size_t kLongest = 120;
  std::string result = "\"";
  for (size_t i = 0; i < text.size() && i < kLongest; ++i) {
    if (text[i] == '\r') {
      result += "\\r";
    } else if (text[i] == '\n') {
      result += "\\n";
    } else {
      result += text[i];
    }
  }
  result += text.size() > kLongest ? "...\"" : "\"";
  return result;
}

}  // namespace pelmora::expert_check
