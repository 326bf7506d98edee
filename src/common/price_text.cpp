// Both texts start from to_chars' scientific digits, which round the exact binary value (price
// text) or give the shortest digits that read back as the same double (whole-number text).
#include "common/price_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace pelmora::common {

namespace {

constexpr int kPriceDigits = 15;
constexpr int kSmallestFixedExponent = -5;  // 0.00001 is still written in fixed notation

// The significant digits (no point) and the decimal exponent of the first of them.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The digits of |value| (finite, not 0): all `precision` of them, or the shortest when absent.
Decimal decimal_of(double value, int precision = -1) {
  char buf[64];
  const double magnitude = std::fabs(value);
  const auto result =
      precision < 0 ? std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific)
                    : std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                    precision);
  const std::string_view text(buf, static_cast<size_t>(result.ptr - buf));
  const size_t e = text.find('e');
  Decimal d;
  for (char c : text.substr(0, e)) {
    if (c != '.') d.digits += c;
  }
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                  d.exponent);
  return d;
}

void drop_trailing_zeros(std::string& digits) {
  const size_t last = digits.find_last_not_of('0');
  digits.erase(last == std::string::npos ? 1 : last + 1);
}

std::string exponent_form(const Decimal& d) {
  std::string out(1, d.digits[0]);
  if (d.digits.size() > 1) out.append(".").append(d.digits, 1);
  return out + "E" + std::to_string(d.exponent);
}

std::string special_text(double value) {
  if (std::isnan(value)) return "NAN";
  return value > 0 ? "INF" : "-INF";
}

// Adds one unit in the last place; a carry out of the first digit raises the exponent.
void round_up(Decimal& d) {
  for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  d.digits.insert(d.digits.begin(), '1');
  d.digits.pop_back();
  ++d.exponent;
}

}  // namespace

std::string price_text(double value) {
  if (value == 0) return "0";
  if (!std::isfinite(value)) return special_text(value);
  Decimal d = decimal_of(value, kPriceDigits - 1);
  drop_trailing_zeros(d.digits);
  const std::string sign = value < 0 ? "-" : "";
  if (d.exponent < kSmallestFixedExponent || d.exponent >= kPriceDigits) {
    return sign + exponent_form(d);
  }
  if (d.exponent < 0) return sign + "0." + std::string(-d.exponent - 1, '0') + d.digits;
  const size_t int_digits = static_cast<size_t>(d.exponent) + 1;
  if (d.digits.size() <= int_digits)
    return sign + d.digits + std::string(int_digits - d.digits.size(), '0');
  return sign + d.digits.substr(0, int_digits) + "." + d.digits.substr(int_digits);
}

std::string whole_text(double value, int digits) {
  if (!std::isfinite(value)) return special_text(value);
  if (value == 0) return "0";
  digits = std::clamp(digits, 1, 17);
  Decimal d = decimal_of(value);
  // Keep the integer digits, at most `digits` of them; the next digit decides the rounding.
  const int keep = std::min(digits, d.exponent + 1);
  if (keep < 0) return "0";
  const bool up = static_cast<size_t>(keep) < d.digits.size() && d.digits[keep] >= '5';
  if (keep == 0) {
    if (!up) return "0";
    d = {"1", d.exponent + 1};
  } else {
    d.digits.resize(static_cast<size_t>(keep), '0');
    if (up) round_up(d);
  }
  const std::string sign = value < 0 ? "-" : "";
  if (d.exponent >= digits) {
    drop_trailing_zeros(d.digits);
    return sign + exponent_form(d);
  }
  const size_t int_digits = static_cast<size_t>(d.exponent) + 1;
  d.digits.resize(int_digits, '0');
  return sign + d.digits;
}

}  // namespace pelmora::common
