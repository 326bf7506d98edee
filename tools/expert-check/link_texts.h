// What the checker holds the expert's texts to: the quotes, the order lines and the property
// record, read strictly (the panel itself is lenient; an expert should not lean on that). Each
// reader gives the value, or says in `why` what is wrong with the text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::expert_check {

// One of the link header's ASCII texts (a verb, a handshake word) as a narrow string.
std::string ascii(const wchar_t* text);

// A plain decimal: digits, an optional "." with digits after it, an optional leading "-".
std::optional<double> read_plain_number(std::string_view text);
// The number of digits after the "." of a plain decimal (0 without one).
int decimals_of(std::string_view plain_number);
// `value` with `decimals` digits after ".", or its shortest form up to six decimals for -1.
std::string number_text(double value, int decimals = -1);

struct Quotes {
  double bid = 0;
  double ask = 0;
};
// "<bid> / <ask>", two plain decimals, the bid not above the ask.
std::optional<Quotes> read_quotes(std::string_view text, std::string* why);

// The tickets of IN_ORDERS's lines, as the panel takes them ("1001 " for "1001 (buy ...)"):
// every line needs a ticket without blanks in front of its first " (", and no ticket may
// stand twice.
std::optional<std::vector<std::string>> read_order_lines(std::string_view text, std::string* why);

struct Record {
  std::vector<std::string> fields;  // the nine field texts
  long type = 0;
  double open = 0, stop_loss = 0, take_profit = 0, point = 0, lot_step = 0;
  bool sell_side() const { return type % 2 != 0; }
};
// Nine fields each closed by ";"; field 2 a whole number, fields 3 to 6 and 9 plain decimals,
// the point and the lot step above 0.
std::optional<Record> read_record(std::string_view text, std::string* why);

// A text for the report: quoted, cut to a readable length, line breaks shown as \r \n.
std::string shown(std::string_view text);

}  // namespace pelmora::expert_check
