// The two strict decimal readings of distances: in the user's locale notation (the price
// recalculation) and with "." alone (the spin steps). Neither looks at the C locale.
#pragma once

#include <optional>
#include <string_view>

namespace pelmora::common {

// Reads `text` as a decimal number written with `separator` (the user's decimal separator,
// UTF-8, never empty): leading and trailing spaces, an optional "+" or "-", digits with at most
// one separator among them (at least one digit), and an optional exponent ("E" or "e", an
// optional sign, digits). Empty or all-space text, anything else, and a value beyond a double's
// range are not numbers.
std::optional<double> read_locale_number(std::string_view text, std::string_view separator);

// The spin steps' reading: leading spaces skipped, then the same form with "." as separator, and
// nothing may follow. Empty text is not a number (the caller decides what an empty field means).
std::optional<double> read_point_number(std::string_view text);

}  // namespace pelmora::common
