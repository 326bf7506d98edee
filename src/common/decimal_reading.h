// The two strict decimal readings: in the user's locale notation (the price recalculation) and
// with "." alone (the spin steps). Neither looks at the C locale.
#pragma once

#include <optional>
#include <string_view>

namespace pelmora::common {

// Reads `text` as a decimal number written with `separator` (the user's decimal separator,
// UTF-8, never empty): leading and trailing spaces, an optional "+" or "-", digits with at most
// one separator among them (at least one digit), and an optional exponent ("E" or "e", an
// optional sign, digits). Empty or all-space text, anything else, and a value too large for a
// double are not numbers; one too small reads 0.
std::optional<double> read_locale_number(std::string_view text, std::string_view separator);

// The spin steps' reading: leading spaces are skipped, then an optional "+" or "-", digits with
// at most one "." among them (at least one digit), and an optional exponent ("E" or "e", an
// optional sign, at least one digit); nothing may follow. Empty text, a "," and a number too
// large for a double fail; one too small reads 0.
std::optional<double> read_strict_number(std::string_view text);

}  // namespace pelmora::common
