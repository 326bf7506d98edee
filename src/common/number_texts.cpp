// Every text rounds once, at whichever comes first of its decimal place and its last
// significant digit, so no second rounding can move a value twice.
#include "common/number_texts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/decimal_digits.h"

namespace pelmora::common {

namespace {

constexpr int kLotDigits = 5;
constexpr int kPriceDigits = 15;
constexpr int kSmallestFixedPoint = -4;  // 0.00001 (point -4) is still written in fixed form

std::string spin_text(double value, int decimals, int digits, int min_exponent_digits) {
  if (!std::isfinite(value)) throw std::domain_error("not a finite number");
  DecimalDigits number = shortest_digits(value);
  round_half_away(number, std::min(number.point + decimals, digits));
  // More digits before the point than may be kept.
  if (number.point > digits) return exponent_notation(number, min_exponent_digits);
  return fixed_notation(number, decimals);
}

}  // namespace

std::string lot_spin_text(double value) {
  return spin_text(value, 2, kLotDigits, 2);
}

std::string whole_text(double value, int digits) {
  return spin_text(value, 0, std::clamp(digits, 1, 17), 1);
}

std::string price_text(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  DecimalDigits number = shortest_digits(value);
  round_half_away(number, kPriceDigits);
  if (number.digits.empty()) return "0";
  if (number.point < kSmallestFixedPoint || number.point > kPriceDigits) {
    return exponent_notation(number, 1);
  }
  const int decimals = std::max(0, static_cast<int>(number.digits.size()) - number.point);
  return fixed_notation(number, decimals);
}

}  // namespace pelmora::common
