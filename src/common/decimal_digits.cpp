// Shortest digits come from to_chars, which is locale-free and exact; everything after that is
// work on the digit string, so no binary rounding surprise can creep back in.
#include "common/decimal_digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace pelmora::common {

namespace {

void strip_trailing_zeros(std::string& digits) {
  const size_t last = digits.find_last_not_of('0');
  digits.erase(last == std::string::npos ? 0 : last + 1);
}

// Adds one unit in the last place; returns whether the carry ran out of the first digit.
bool increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

}  // namespace

DecimalDigits shortest_digits(double value) {
  char buf[64];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
  const std::string_view text(buf, static_cast<size_t>(result.ptr - buf));  // d.ddde+XX
  const size_t e = text.find('e');
  DecimalDigits number;
  number.negative = std::signbit(value);
  for (char c : text.substr(0, e)) {
    if (c != '.') number.digits += c;
  }
  number.point = std::atoi(std::string(text.substr(e + 1)).c_str()) + 1;
  strip_trailing_zeros(number.digits);
  if (number.digits.empty()) number.point = 0;
  return number;
}

void round_half_away(DecimalDigits& number, int keep) {
  std::string& digits = number.digits;
  if (keep >= static_cast<int>(digits.size())) return;
  const bool up = keep >= 0 && digits[static_cast<size_t>(keep)] >= '5';
  digits.resize(static_cast<size_t>(std::max(keep, 0)));
  if (up && increment(digits)) {
    digits.insert(digits.begin(), '1');
    ++number.point;
  }
  strip_trailing_zeros(digits);
  if (digits.empty()) number.point = 0;
}

std::string fixed_notation(const DecimalDigits& number, int decimals) {
  const auto digit_at = [&](int index) {
    return index >= 0 && index < static_cast<int>(number.digits.size())
               ? number.digits[static_cast<size_t>(index)]
               : '0';
  };
  std::string out = number.negative && !number.digits.empty() ? "-" : "";
  if (number.point <= 0) out += '0';
  for (int i = 0; i < number.point; ++i) out += digit_at(i);
  if (decimals > 0) out += '.';
  for (int i = 0; i < decimals; ++i) out += digit_at(number.point + i);
  return out;
}

std::string exponent_notation(const DecimalDigits& number, int min_exponent_digits) {
  const std::string& digits = number.digits.empty() ? std::string("0") : number.digits;
  std::string out = number.negative && !number.digits.empty() ? "-" : "";
  out += digits[0];
  if (digits.size() > 1) out.append(".").append(digits, 1);
  const int exponent = number.digits.empty() ? 0 : number.point - 1;
  std::string exponent_digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(exponent_digits.size()) < min_exponent_digits) {
    exponent_digits.insert(0, static_cast<size_t>(min_exponent_digits) - exponent_digits.size(),
                           '0');
  }
  return out.append("E").append(exponent < 0 ? "-" : "").append(exponent_digits);
}

}  // namespace pelmora::common
