// A finite double as its shortest decimal digits, with rounding half away from zero done on
// those digits: the shared ground of every number text the panel writes into a field.
#pragma once

#include <string>

namespace pelmora::common {

// value = (negative ? -1 : 1) * 0.d1d2...dn * 10^point. `digits` has no leading or trailing
// zeros; zero has no digits. 123.45 is {"12345", 3}, 0.0012 is {"12", -2}.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int point = 0;
};

// The shortest digits that read back as `value`, which must be finite.
DecimalDigits shortest_digits(double value);

// Keeps the first `keep` digits (none when `keep` <= 0), rounding half away from zero on the
// first dropped digit; a carry out of the first digit moves the point one place.
void round_half_away(DecimalDigits& number, int keep);

// Fixed notation with exactly `decimals` digits after "." (none and no point for 0); a zero
// result carries no sign. Digits beyond `decimals` must have been rounded away first.
std::string fixed_notation(const DecimalDigits& number, int decimals);

// Exponent notation: the first digit, "." and the others when there are others, "E" and the
// exponent of the first digit, zero-padded to `min_exponent_digits`: 1.2346E05, 1E5, -2E-03.
std::string exponent_notation(const DecimalDigits& number, int min_exponent_digits);

}  // namespace pelmora::common
