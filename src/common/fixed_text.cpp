// Fixed-decimal texts by rounding the shortest decimal digits of the value as text, which keeps
// the result free of both the C locale and binary representation surprises.
#include "common/fixed_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace pelmora::common {

namespace {

constexpr double kFixedLimit = 1e15;

// Adds one unit in the last place of a string of decimal digits, growing it on a carry out.
void increment_digits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

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
  const size_t places = static_cast<size_t>(std::clamp(decimals, 0, 15));

  // The shortest fixed form of the smallest subnormal is about 330 characters.
  char buf[400];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  const std::string_view shortest(buf, static_cast<size_t>(result.ptr - buf));
  const size_t point = std::min(shortest.find('.'), shortest.size());
  const std::string_view int_part = shortest.substr(0, point);
  const std::string_view frac_part = shortest.substr(std::min(point + 1, shortest.size()));

  std::string digits(int_part);
  for (size_t i = 0; i < places; ++i) digits += i < frac_part.size() ? frac_part[i] : '0';
  if (places < frac_part.size() && frac_part[places] >= '5') increment_digits(digits);

  const bool zero = digits.find_first_not_of('0') == std::string::npos;
  std::string out = (std::signbit(value) && !zero) ? "-" : "";
  out.append(digits, 0, digits.size() - places);
  if (places > 0) out.append(".").append(digits, digits.size() - places, places);
  return out;
}

}  // namespace pelmora::common
