// The number texts the panel writes into its fields, all on one digit machinery: the value's
// shortest decimal digits, rounded half away from zero once, "." always, whatever the locale.
#pragma once

#include <string>

namespace pelmora::common {

// The lot spin's text: two decimals, rounded to them and in any case to at most five
// significant digits (1000.01 gives "1000.00"). From 100000 on after rounding, exponent form
// with a two-digit exponent: 123456 gives "1.2346E05", 100000 gives "1E05". Throws
// std::domain_error for an infinity or NaN.
std::string lot_spin_text(double value);

// A whole number, rounded half away from zero (2.5 gives "3", -0.4 gives "0", never "-0") and
// to at most `digits` significant digits (clamped to 1..17), without separators. From
// 10^digits on after rounding, exponent form: the first digit, "." and the other significant
// digits without trailing zeros (no "." when none remain), "E" and the exponent:
// whole_text(123456, 5) gives "1.2346E5". Throws std::domain_error for an infinity or NaN.
std::string whole_text(double value, int digits);

// The trailing-distance spin's text: a whole number of at most five significant digits.
inline std::string distance_spin_text(double value) {
  return whole_text(value, 5);
}

// A price in general format with at most 15 significant digits: trailing zeros dropped, no
// point for a whole value, fixed notation unless the value is not 0 and below 0.00001 in
// magnitude or has more than 15 integer digits; then exponent form with "-" only for a negative
// exponent: 1.245 -> "1.245", 111 -> "111", 0 -> "0", 0.000001 -> "1E-6", 1e15 -> "1E15". Zero
// never carries a sign; infinities are "INF" or "-INF", NaN "NAN".
std::string price_text(double value);

}  // namespace pelmora::common
