// The strict whole-number reading: a 32-bit decimal integer or nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pelmora::common {

// Reads `text` as a decimal integer in the 32-bit signed range: leading blanks (spaces, tabs)
// are skipped, then an optional "+" or "-" and at least one digit, and nothing may follow (a
// trailing blank fails too). Empty text, letters, a decimal point and overflow all fail.
std::optional<int32_t> read_whole_number(std::string_view text);

}  // namespace pelmora::common
