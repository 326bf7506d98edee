// Both spin texts are one rule with two settings; rounding happens once, at whichever of the
// decimal place and the fifth significant digit comes first.
#include "common/spin_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/decimal_digits.h"

namespace pelmora::common {

namespace {

constexpr int kSignificantDigits = 5;

std::string spin_text(double value, int decimals, int min_exponent_digits) {
  if (!std::isfinite(value)) throw std::domain_error("not a finite number");
  DecimalDigits number = shortest_digits(value);
  round_half_away(number, std::min(number.point + decimals, kSignificantDigits));
  // More digits before the point than may be kept: 100000 and above.
  if (number.point > kSignificantDigits) return exponent_notation(number, min_exponent_digits);
  return fixed_notation(number, decimals);
}

}  // namespace

std::string lot_spin_text(double value) {
  return spin_text(value, 2, 2);
}

std::string distance_spin_text(double value) {
  return spin_text(value, 0, 1);
}

}  // namespace pelmora::common
