// Fixed-decimal texts by rounding the shortest decimal digits of the value, which keeps the
// result free of both the C locale and binary representation surprises.
#include "common/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/decimal_digits.h"

namespace pelmora::common {

namespace {

constexpr double kFixedLimit = 1e15;

std::string exponent_text(double value) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  return std::string(buf, result.ptr);
}

}  // namespace

std::string fixed_text(double value, int decimals) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (std::fabs(value) >= kFixedLimit) return exponent_text(value);
  const int places = std::clamp(decimals, 0, 15);
  DecimalDigits number = shortest_digits(value);
  round_half_away(number, number.point + places);
  return fixed_notation(number, places);
}

}  // namespace pelmora::common
