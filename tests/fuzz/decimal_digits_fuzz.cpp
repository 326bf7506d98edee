// The digit machinery under every number text: the shortest digits read back as the value and
// carry no leading or trailing zero; rounding keeps at most the asked digits, moves the value by
// at most half a unit of the last kept place, away from zero on a tie; the fixed and exponent
// notations of the result read back as its value.
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/decimal_digits.h"
#include "number_shape.h"

using namespace pelmora::common;
using namespace pelmora::fuzz;

namespace {

// The value 0.d1d2...dn * 10^point with its sign, read by the C library.
double value_of(const DecimalDigits& number) {
  if (number.digits.empty()) return number.negative ? -0.0 : 0.0;
  const std::string text = std::string(number.negative ? "-" : "") + "0." + number.digits + "e" +
                           std::to_string(number.point);
  return c_value(text);
}

void check_digits(const DecimalDigits& number) {
  FUZZ_CHECK(number.digits.empty() || all_digits(number.digits));
  FUZZ_CHECK(number.digits.empty() ||
             (number.digits.front() != '0' && number.digits.back() != '0'));
  if (number.digits.empty()) FUZZ_CHECK(number.point == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const double value = std::bit_cast<double>(input.ConsumeIntegral<uint64_t>());
  const int keep = input.ConsumeIntegralInRange(-2, 20);
  const int exponent_digits = input.ConsumeIntegralInRange(0, 4);
  if (!std::isfinite(value)) return 0;

  const DecimalDigits shortest = shortest_digits(value);
  check_digits(shortest);
  FUZZ_CHECK(shortest.negative == std::signbit(value));
  FUZZ_CHECK(same_double(value_of(shortest), value));

  DecimalDigits rounded = shortest;
  round_half_away(rounded, keep);
  check_digits(rounded);
  FUZZ_CHECK(rounded.digits.size() <= static_cast<size_t>(std::max(keep, 1)));
  // Read back as a double the rounded value may be off by a step of the doubles near it, and a
  // carry past the largest double reads as an infinity.
  const double unit = std::pow(10.0, shortest.point - keep);
  const double moved = std::fabs(value_of(rounded) - value);
  const double step = std::fabs(value) * 0x1p-51 + std::numeric_limits<double>::denorm_min();
  if (std::isfinite(value_of(rounded))) FUZZ_CHECK(moved <= 0.5 * unit * (1 + 1e-9) + step);
  // A tie goes away from zero: the rounded value is never smaller in magnitude on a tie.
  if (keep >= 0 && static_cast<int>(shortest.digits.size()) == keep + 1 &&
      shortest.digits.back() == '5') {
    FUZZ_CHECK(std::fabs(value_of(rounded)) > std::fabs(value));
  }

  const int decimals = std::max(0, static_cast<int>(rounded.digits.size()) - rounded.point);
  const std::string fixed = fixed_notation(rounded, decimals);
  FUZZ_CHECK(shape_of(fixed) && c_value(fixed) == value_of(rounded));
  const std::string exponent = exponent_notation(rounded, exponent_digits);
  const auto shape = shape_of(exponent);
  FUZZ_CHECK(shape && shape->exponent && shape->exponent->size() >= size_t(exponent_digits));
  FUZZ_CHECK(c_value(exponent) == value_of(rounded));
  return 0;
}
