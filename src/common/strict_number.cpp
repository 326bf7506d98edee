// The strict reading checks the shape of the whole text, then leaves the conversion to the
// lenient reading, which takes exactly such a number whole.
#include "common/strict_number.h"

#include <cmath>

#include "common/lenient_number.h"

namespace pelmora::common {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

// Advances `i` over digits; returns how many there were.
size_t skip_digits(std::string_view text, size_t& i) {
  const size_t from = i;
  while (i < text.size() && is_digit(text[i])) ++i;
  return i - from;
}

void skip_sign(std::string_view text, size_t& i) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
}

bool is_strict_number(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string_view::npos) return false;
  skip_sign(text, i);
  size_t digits = skip_digits(text, i);
  if (i < text.size() && text[i] == '.') digits += skip_digits(text, ++i);
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    skip_sign(text, ++i);
    if (skip_digits(text, i) == 0) return false;
  }
  return i == text.size();
}

}  // namespace

std::optional<double> read_strict_number(std::string_view text) {
  if (!is_strict_number(text)) return std::nullopt;
  // The lenient reading skips tabs too, but the shape check let only spaces through.
  const double value = read_lenient_number(text);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace pelmora::common
