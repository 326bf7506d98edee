// Numbers written in fixed notation with "." as the decimal point whatever the locale: the lot
// text (two decimals) and other fixed-decimal texts the panel writes into fields.
#pragma once

#include <string>

namespace pelmora::common {

// `value` with exactly `decimals` digits after "." (clamped to 0..15), rounded half away from
// zero on the value's shortest decimal form (the digits that read back as the same double), so
// 1.005 gives "1.01" and -0.125 gives "-0.13" although neither is exact in binary. A result of
// zero carries no sign. Magnitudes of 1e15 and more, where a double has no decimals left, are
// written in the shortest exponent form ("1e+300"); infinities as "INF" or "-INF", NaN as "NAN".
std::string fixed_text(double value, int decimals);

// The lot text: two decimals, 0.01 -> "0.01", 0.1 -> "0.10", 1 -> "1.00".
inline std::string lot_text(double value) {
  return fixed_text(value, 2);
}

}  // namespace pelmora::common
