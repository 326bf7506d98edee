// The lenient "." number reading used for the order property record and the lot check: it never
// fails and never looks at the user's locale.
#pragma once

#include <string_view>

namespace pelmora::common {

// Reads the longest number at the start of `text`: leading blanks (spaces, tabs) are skipped,
// then an optional sign, digits with an optional "." and fraction, and an optional exponent
// ("e" or "E", optional sign, digits). Whatever follows is ignored, so "1,5" reads 1 and "0,5"
// reads 0. Text without such a number reads 0. A number too large for a double reads as an
// infinity of its sign, one too small as 0. "inf", "nan" and hexadecimal forms are not numbers.
double read_lenient_number(std::string_view text);

}  // namespace pelmora::common
