// The strict whole number, which reads the version file's body and the order type field: it
// must agree with a plain digit-by-digit reading on every text (blanks, one sign, digits to the
// end, inside the 32-bit range), and every 32-bit number reads back from its written forms.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "common/whole_number.h"
#include "fuzz_check.h"

using pelmora::common::read_whole_number;
using pelmora::fuzz::all_digits;

namespace {

std::optional<int32_t> reference_reading(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == text.npos) return std::nullopt;
  text.remove_prefix(first);
  const bool negative = text[0] == '-';
  if (text[0] == '-' || text[0] == '+') text.remove_prefix(1);
  if (!all_digits(text)) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  value = negative ? -value : value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(value);
}

void check_round_trip(const uint8_t* data) {
  int32_t value;
  std::memcpy(&value, data, sizeof value);
  const uint8_t options = data[sizeof value];
  std::string text(options % 4, options & 0x80 ? '\t' : ' ');
  if (value >= 0 && (options & 0x40)) text += '+';
  if (value < 0) text += '-';
  text.append(options / 4 % 8, '0');
  text += std::to_string(value < 0 ? -int64_t{value} : int64_t{value});
  FUZZ_CHECK(read_whole_number(text) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(read_whole_number(text) == reference_reading(text));
  if (size > sizeof(int32_t)) check_round_trip(data);
  return 0;
}
