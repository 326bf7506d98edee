// Number texts of the SL/TP window: the general price text and the whole-number text of a
// distance. Both always write "." and never look at the C locale.
#pragma once

#include <string>

namespace pelmora::common {

// General format with at most 15 significant digits: trailing zeros dropped, no point for a
// whole value, fixed notation unless the value is not 0 and below 0.00001 in magnitude or has
// more than 15 integer digits; then one digit, "." and the rest, "E" and the exponent ("-" only
// when negative): 1.245 -> "1.245", 111 -> "111", 0 -> "0", 0.000001 -> "1E-6". Zero never
// carries a sign; infinities are "INF" or "-INF", NaN "NAN".
std::string price_text(double value);

// The value rounded to a whole number (half away from zero, on its shortest decimal form) and
// to at most `digits` significant digits (clamped to 1..17), without separators; "-" only when
// the result is not 0. A result of 10^digits or more is written in exponent form: its first
// digit, "." and the other significant digits without trailing zeros (no "." when none
// remain), "E" and the exponent: whole_text(123456, 5) -> "1.2346E5".
std::string whole_text(double value, int digits);

}  // namespace pelmora::common
