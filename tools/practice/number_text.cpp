// Exact decimal reading for the practice tester's inputs.
#include "number_text.h"

#include <cmath>

namespace pelmora::practice {

namespace {

constexpr int kMaxDigits = 18;

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<Decimal> parse_decimal(std::string_view text, bool comma) {
  Decimal value;
  if (!text.empty() && text.front() == '-') {
    value.negative = true;
    text.remove_prefix(1);
  }
  bool mark = false, any_digit = false;
  int significant = 0;
  for (char c : text) {
    if (is_digit(c)) {
      any_digit = true;
      if (value.mantissa != 0 || c != '0') ++significant;
      if (significant > kMaxDigits) return std::nullopt;
      value.mantissa = value.mantissa * 10 + (c - '0');
      value.decimals += mark;
      if (value.decimals > kMaxDigits) return std::nullopt;
    } else if ((c == '.' || (comma && c == ',')) && !mark) {
      mark = true;
    } else {
      return std::nullopt;
    }
  }
  if (!any_digit) return std::nullopt;
  return value;
}

std::int64_t power_of_ten(int exponent) {
  std::int64_t result = 1;
  for (int i = 0; i < exponent; ++i) result *= 10;
  return result;
}

std::optional<std::int64_t> scaled(const Decimal& value, int digits) {
  std::int64_t count = value.mantissa;
  if (value.decimals > digits) {
    const std::int64_t divisor = power_of_ten(value.decimals - digits);
    count = count / divisor + (count % divisor >= (divisor + 1) / 2 ? 1 : 0);
  } else {
    const int add = digits - value.decimals;
    if (add > kMaxDigits) return count == 0 ? std::optional<std::int64_t>(0) : std::nullopt;
    const std::int64_t factor = power_of_ten(add);
    if (count > INT64_MAX / factor) return std::nullopt;
    count *= factor;
  }
  return value.negative ? -count : count;
}

std::optional<std::int64_t> parse_whole(std::string_view text) {
  if (text.empty() || text.size() > kMaxDigits) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string quoted(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string result = "\"";
  result += text.substr(0, kShown);
  if (text.size() > kShown) result += "...";
  return result + "\"";
}

std::string money_text(double money, bool plus) {
  const long long cents = std::llround(money * 100);
  const unsigned long long magnitude = cents < 0 ? 0 - static_cast<unsigned long long>(cents)
                                                 : static_cast<unsigned long long>(cents);
  std::string fraction = std::to_string(magnitude % 100);
  if (fraction.size() < 2) fraction.insert(0, "0");
  const char* sign = cents < 0 ? "-" : (plus && cents > 0 ? "+" : "");
  return sign + std::to_string(magnitude / 100) + "." + fraction;
}

std::string count_text(long long count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 || count == -1 ? one : many);
}

std::string signed_points(long long points) {
  return (points > 0 ? "+" : "") + count_text(points, "point", "points");
}

}  // namespace pelmora::practice
