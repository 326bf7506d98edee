// The number texts of history files and panel commands, read exactly as whole counts of a
// decimal unit so that a price or a lot never passes through a binary fraction, and money.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::practice {

// A decimal as written: -mantissa or mantissa, times 10^-decimals.
struct Decimal {
  std::int64_t mantissa = 0;
  int decimals = 0;
  bool negative = false;
};

// Blanks and tabs off both ends.
std::string_view trim(std::string_view text);
// An optional '-', digits, optionally one decimal mark ('.', or ',' when `comma` is allowed)
// and more digits; at least one digit, at most 18 significant ones and 18 decimals. Anything
// else: nothing.
std::optional<Decimal> parse_decimal(std::string_view text, bool comma = false);
// The value as a whole count of 10^-digits, rounded half away from zero; nothing on overflow.
std::optional<std::int64_t> scaled(const Decimal& value, int digits);
// Digits only, at most 18.
std::optional<std::int64_t> parse_whole(std::string_view text);
std::int64_t power_of_ten(int exponent);  // 0..18
// The text in double quotes for a message, cut short when long.
std::string quoted(std::string_view text);
// Money to the cent: "1.20", "-0.35"; with `plus`, gains get a '+' ("+1.20").
std::string money_text(double money, bool plus = false);
// "1 bar", "12000 bars", "-1 point": the number, then `one` or `many`.
std::string count_text(long long count, std::string_view one, std::string_view many);
// "+12 points", "-1 point", "0 points".
std::string signed_points(long long points);

}  // namespace pelmora::practice
