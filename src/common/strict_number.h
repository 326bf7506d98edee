// The strict "." number reading of the spin steps: the whole text must be one number.
#pragma once

#include <optional>
#include <string_view>

namespace pelmora::common {

// Reads `text` as a decimal number: leading spaces are skipped, then an optional "+" or "-",
// digits with at most one "." among them (at least one digit), and an optional exponent ("E"
// or "e", an optional sign, at least one digit); nothing may follow. Empty text, a "," and a
// number too large for a double fail; one too small reads 0. Never looks at the locale.
std::optional<double> read_strict_number(std::string_view text);

}  // namespace pelmora::common
