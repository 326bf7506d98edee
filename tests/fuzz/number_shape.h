// The parts of a number text the panel writes: an optional "-", digits, optionally "." and
// digits, optionally "E", an optional "-" and digits. Anything else has no shape. And doubles
// written by the standard library, as texts to read back.
#pragma once

#include <charconv>
#include <cstring>
#include <optional>
#include <string>

#include "fuzz_check.h"

namespace pelmora::fuzz {

struct NumberShape {
  bool negative = false;
  std::string_view whole;
  std::optional<std::string_view> fraction;
  bool exponent_negative = false;
  std::optional<std::string_view> exponent;

  size_t significant_digits() const {
    const std::string digits = std::string(whole) + std::string(fraction.value_or(""));
    const size_t first = digits.find_first_not_of('0');
    return first == digits.npos ? 0 : digits.find_last_not_of('0') - first + 1;
  }
  // "-0", "-0.00" and the like: a minus on nothing.
  bool negative_zero() const { return negative && significant_digits() == 0; }
};

inline std::optional<NumberShape> shape_of(std::string_view text) {
  const auto sign = [&] {
    const bool minus = text.starts_with('-');
    if (minus) text.remove_prefix(1);
    return minus;
  };
  const auto digits = [&]() -> std::optional<std::string_view> {
    size_t n = 0;
    while (n < text.size() && is_digit(text[n])) ++n;
    const std::string_view taken = text.substr(0, n);
    text.remove_prefix(n);
    return n ? std::optional(taken) : std::nullopt;
  };
  NumberShape shape;
  shape.negative = sign();
  const auto whole = digits();
  if (!whole) return std::nullopt;
  shape.whole = *whole;
  if (text.starts_with('.')) {
    text.remove_prefix(1);
    if (!(shape.fraction = digits())) return std::nullopt;
  }
  if (text.starts_with('E')) {
    text.remove_prefix(1);
    shape.exponent_negative = sign();
    if (!(shape.exponent = digits())) return std::nullopt;
  }
  return text.empty() ? std::optional(shape) : std::nullopt;
}

// A finite double from 8 input bytes, written in its shortest form in one of the three notations
// (chosen by `format` modulo 3); nothing for an infinity or NaN.
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
