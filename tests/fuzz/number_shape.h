// The parts of a number text the panel writes: an optional "-", digits, optionally "." and
// digits, optionally "E", an optional "-" and digits. Anything else has no shape.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"

namespace pelmora::fuzz {

struct NumberShape {
  bool negative = false;
  std::string_view whole;
  std::optional<std::string_view> fraction;
  bool exponent_negative = false;
  std::optional<std::string_view> exponent;

  size_t significant_digits() const {
    std::string digits(whole);
    if (fraction) digits += *fraction;
    const size_t first = digits.find_first_not_of('0');
    if (first == digits.npos) return 0;
    return digits.find_last_not_of('0') - first + 1;
  }
  bool all_zero() const { return significant_digits() == 0; }
};

inline std::string_view take_digits(std::string_view& text) {
  size_t n = 0;
  while (n < text.size() && is_digit(text[n])) ++n;
  const std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

inline std::optional<NumberShape> shape_of(std::string_view text) {
  NumberShape shape;
  shape.negative = text.starts_with('-');
  if (shape.negative) text.remove_prefix(1);
  shape.whole = take_digits(text);
  if (shape.whole.empty()) return std::nullopt;
  if (text.starts_with('.')) {
    text.remove_prefix(1);
    shape.fraction = take_digits(text);
    if (shape.fraction->empty()) return std::nullopt;
  }
  if (text.starts_with('E')) {
    text.remove_prefix(1);
    shape.exponent_negative = text.starts_with('-');
    if (shape.exponent_negative) text.remove_prefix(1);
    shape.exponent = take_digits(text);
    if (shape.exponent->empty()) return std::nullopt;
  }
  if (!text.empty()) return std::nullopt;
  return shape;
}

// A finite double from 8 input bytes, written in its shortest form in one of the three notations
// (chosen by `format`, which is taken modulo 3); nothing for an infinity or NaN.
struct WrittenDouble {
  double value;
  std::string text;
};
inline std::optional<WrittenDouble> written_double(const uint8_t* data, uint8_t format) {
  double value;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) return std::nullopt;
  static constexpr std::chars_format kFormats[] = {
      std::chars_format::general, std::chars_format::fixed, std::chars_format::scientific};
  char buf[400];
  const auto written = std::to_chars(buf, buf + sizeof buf, value, kFormats[format % 3]);
  FUZZ_CHECK(written.ec == std::errc{});
  return WrittenDouble{value, std::string(buf, written.ptr)};
}

// The value of a number text through the C library, independent of the code under test.
inline double c_value(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace pelmora::fuzz
