// The texts the spin steps write back into their fields: a value rounded to a fixed number of
// decimals and in any case to five significant digits, or exponent form from 100000 on.
#pragma once

#include <string>

namespace pelmora::common {

// The lot spin's text: two decimals and "." always, rounded half away from zero and to at
// most five significant digits (1000.01 gives "1000.00"). At 100000 and more after rounding,
// exponent form with a two-digit exponent: 123456 gives "1.2346E05", 100000 gives "1E05".
// Throws std::domain_error for an infinity or NaN.
std::string lot_spin_text(double value);

// The distance spin's text: a whole number, rounded half away from zero (2.5 gives "3") and to
// at most five significant digits; exponent form from 100000 on with the exponent as it
// stands: 123456 gives "1.2346E5". Throws std::domain_error for an infinity or NaN.
std::string distance_spin_text(double value);

}  // namespace pelmora::common
