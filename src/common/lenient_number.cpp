// The lenient "." reading: find the longest well-formed leading number, then convert exactly
// that span with from_chars, which is locale-free.
#include "common/lenient_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace pelmora::common {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

size_t count_digits(std::string_view text, size_t from) {
  size_t i = from;
  while (i < text.size() && is_digit(text[i])) ++i;
  return i - from;
}

// The decimal exponent of the first significant digit of mantissa `m` times 10^`exponent`;
// used only to tell an overflow from an underflow when from_chars reports neither value.
int64_t leading_magnitude(std::string_view m, int64_t exponent) {
  const size_t point = m.find('.');
  const size_t int_digits = point == std::string_view::npos ? m.size() : point;
  for (size_t i = 0; i < m.size(); ++i) {
    if (m[i] == '.' || m[i] == '0') continue;
    const int64_t place = i < int_digits ? static_cast<int64_t>(int_digits - i - 1)
                                         : -static_cast<int64_t>(i - int_digits);
    return place + exponent;
  }
  return -1;
}

// Reads the exponent digits, saturating far beyond any double's range.
int64_t exponent_value(std::string_view e) {
  int64_t value = 0;
  size_t i = 0;
  const bool negative = !e.empty() && e[0] == '-';
  if (!e.empty() && (e[0] == '-' || e[0] == '+')) ++i;
  for (; i < e.size() && value < 1'000'000'000; ++i) value = value * 10 + (e[i] - '0');
  return negative ? -value : value;
}

}  // namespace

double read_lenient_number(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  const size_t start = i;
  const size_t int_digits = count_digits(text, i);
  i += int_digits;
  if (i < text.size() && text[i] == '.') {
    const size_t frac_digits = count_digits(text, i + 1);
    if (int_digits + frac_digits > 0) i += 1 + frac_digits;
  }
  if (i == start) return 0;
  const size_t mantissa_end = i;

  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const size_t exp_digits = count_digits(text, j);
    if (exp_digits > 0) i = j + exp_digits;
  }

  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + i, value);
  if (error == std::errc::result_out_of_range) {
    const std::string_view mantissa = text.substr(start, mantissa_end - start);
    const int64_t exponent =
        i > mantissa_end ? exponent_value(text.substr(mantissa_end + 1, i - mantissa_end - 1)) : 0;
    value = leading_magnitude(mantissa, exponent) >= 0 ? HUGE_VAL : 0.0;
  } else if (error != std::errc{}) {
    value = 0;
  }
  return negative ? -value : value;
}

}  // namespace pelmora::common
