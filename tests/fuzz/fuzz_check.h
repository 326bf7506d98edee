// What the fuzz targets share: a check that stops the run with the input saved, since libFuzzer
// records an input only when the target crashes, the input as text, and a few predicates.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// Unlike assert, stays in any build type.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

namespace pelmora::fuzz {

inline std::string_view text_of(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

inline bool all_digits(std::string_view text) {
  for (char c : text) {
    if (!is_digit(c)) return false;
  }
  return !text.empty();
}

// Length of the UTF-8 character (a lead byte and its continuation bytes) at the start of `text`,
// 0 when none starts there.
inline size_t utf8_length(std::string_view text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const size_t n = byte(0) < 0x80                      ? 1
                   : byte(0) >= 0xC2 && byte(0) < 0xE0 ? 2
                   : byte(0) >= 0xE0 && byte(0) < 0xF0 ? 3
                   : byte(0) >= 0xF0 && byte(0) < 0xF5 ? 4
                                                       : 0;
  if (n == 0 || text.size() < n) return 0;
  for (size_t i = 1; i < n; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return n;
}

inline bool valid_utf8(std::string_view text) {
  for (size_t n; !text.empty(); text.remove_prefix(n)) {
    if ((n = utf8_length(text)) == 0) return false;
  }
  return true;
}

// Whether two doubles are the same value, the sign of a zero included.
inline bool same_double(double a, double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace pelmora::fuzz
