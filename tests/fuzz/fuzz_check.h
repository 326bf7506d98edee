// What the fuzz targets share: a check that stops the run with the input saved, since libFuzzer
// records an input only when the target crashes, and a few text predicates.
#pragma once

#include <cmath>
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

inline bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

inline bool all_digits(std::string_view text) {
  for (char c : text) {
    if (!is_digit(c)) return false;
  }
  return !text.empty();
}

// Whether two doubles are the same value, the sign of a zero included.
inline bool same_double(double a, double b) {
  return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace pelmora::fuzz
