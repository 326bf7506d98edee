// The strict whole-number reading on top of from_chars, which checks the range itself.
#include "common/whole_number.h"

#include <charconv>

namespace pelmora::common {

std::optional<int32_t> read_whole_number(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  // from_chars takes "-" but not "+"; skip a "+" only when a digit follows, so "+-5" fails.
  if (i + 1 < text.size() && text[i] == '+' && text[i + 1] >= '0' && text[i + 1] <= '9') ++i;
  const char* first = text.data() + i;
  const char* last = text.data() + text.size();
  int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value, 10);
  if (error != std::errc{} || end != last) return std::nullopt;
  return value;
}

}  // namespace pelmora::common
