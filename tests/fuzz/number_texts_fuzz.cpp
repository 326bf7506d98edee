// The number texts the panel writes into its fields: each keeps its shape (digits, ".", "E" as
// documented, no "-0", no more significant digits than allowed), stays within its length, and
// reads back within half a unit of its last kept place; where nothing had to be dropped it
// reads back exactly. Only an infinity or NaN may make the spin texts throw.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/fixed_text.h"
#include "common/number_texts.h"
#include "number_shape.h"

using namespace pelmora::common;
using namespace pelmora::fuzz;

namespace {

// Half a unit of the last kept place, with room for the binary error of the comparison. Rounding
// the largest doubles up may write a number past the largest double, which reads as infinite.
bool within(double written, double value, double half_unit) {
  if (std::isinf(written) && std::fabs(value) > 1e308) return true;
  return std::fabs(written - value) <= half_unit * (1 + 1e-9) + std::fabs(value) * 1e-15;
}

// Decimals of the value's shortest fixed form: fewer kept decimals must round, more must not.
int shortest_decimals(double value) {
  char buf[400];
  const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  const std::string_view text(buf, written.ptr);
  const size_t point = text.find('.');
  return point == text.npos ? 0 : static_cast<int>(text.size() - point - 1);
}

int shortest_significant_digits(double value) {
  char buf[64];
  const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  const std::string_view text(buf, written.ptr);  // [-]d.ddde+XX
  const std::string_view mantissa = text.substr(0, text.find('e'));
  return static_cast<int>(std::count_if(mantissa.begin(), mantissa.end(), is_digit));
}

// The spin texts throw for exactly the values that have no digits.
template <typename Write>
std::optional<std::string> spin_text_or_throw(double value, Write write) {
  try {
    std::string text = write(value);
    FUZZ_CHECK(std::isfinite(value));
    return text;
  } catch (const std::domain_error&) {
    FUZZ_CHECK(!std::isfinite(value));
    return std::nullopt;
  }
}

bool special(double value, const std::string& text) {
  if (std::isnan(value)) FUZZ_CHECK(text == "NAN");
  if (std::isinf(value)) FUZZ_CHECK(text == (value > 0 ? "INF" : "-INF"));
  return !std::isfinite(value);
}

void check_fixed(double value, int decimals) {
  const std::string text = fixed_text(value, decimals);
  if (special(value, text)) return;
  if (std::fabs(value) >= 1e15) {
    FUZZ_CHECK(c_value(text) == value);
    return;
  }
  const int places = std::clamp(decimals, 0, 15);
  const auto shape = shape_of(text);
  FUZZ_CHECK(shape && !shape->exponent);
  FUZZ_CHECK(shape->fraction.value_or("").size() == static_cast<size_t>(places));
  // 999999999999999.9 rounds to sixteen digits.
  FUZZ_CHECK(shape->whole.size() <= 16 && (shape->whole.size() == 1 || shape->whole[0] != '0'));
  FUZZ_CHECK(!(shape->negative && shape->all_zero()));
  FUZZ_CHECK(within(c_value(text), value, 0.5 * std::pow(10.0, -places)));
  if (places >= shortest_decimals(value)) FUZZ_CHECK(c_value(text) == value);
}

void check_lot_spin(double value) {
  const auto text = spin_text_or_throw(value, lot_spin_text);
  if (!text) return;
  const auto shape = shape_of(*text);
  FUZZ_CHECK(shape && shape->significant_digits() <= 5);
  FUZZ_CHECK(!(shape->negative && shape->all_zero()));
  if (shape->exponent) {
    FUZZ_CHECK(shape->whole.size() == 1 && shape->whole[0] != '0');
    FUZZ_CHECK(!shape->exponent_negative && shape->exponent->size() >= 2);
    FUZZ_CHECK(std::fabs(c_value(*text)) >= 1e5);
  } else {
    FUZZ_CHECK(shape->fraction && shape->fraction->size() == 2 && shape->whole.size() <= 5);
  }
  FUZZ_CHECK(within(c_value(*text), value, std::max(0.005, 5e-5 * std::fabs(value))));
}

void check_whole(double value, int digits) {
  const auto text = spin_text_or_throw(value, [&](double v) { return whole_text(v, digits); });
  if (!text) return;
  const int kept = std::clamp(digits, 1, 17);
  const auto shape = shape_of(*text);
  FUZZ_CHECK(shape && shape->significant_digits() <= static_cast<size_t>(kept));
  FUZZ_CHECK(!(shape->negative && shape->all_zero()));
  if (shape->exponent) {
    FUZZ_CHECK(shape->whole.size() == 1 && shape->whole[0] != '0' && !shape->exponent_negative);
    FUZZ_CHECK(!shape->fraction || shape->fraction->back() != '0');
    FUZZ_CHECK(std::fabs(c_value(*text)) >= std::pow(10.0, kept));
  } else {
    FUZZ_CHECK(!shape->fraction && shape->whole.size() <= static_cast<size_t>(kept));
  }
  const double half_unit = std::max(0.5, 0.5 * std::fabs(value) * std::pow(10.0, 1 - kept));
  FUZZ_CHECK(within(c_value(*text), value, half_unit));
}

void check_price(double value) {
  const std::string text = price_text(value);
  if (special(value, text)) return;
  const auto shape = shape_of(text);
  FUZZ_CHECK(shape && shape->significant_digits() <= 15 && text.size() <= 24);
  FUZZ_CHECK(!(shape->negative && shape->all_zero()));
  FUZZ_CHECK(!shape->fraction || shape->fraction->back() != '0');
  if (shape->exponent) FUZZ_CHECK(shape->whole.size() == 1 && shape->whole[0] != '0');
  if (!shape->exponent) FUZZ_CHECK(shape->whole.size() == 1 || shape->whole[0] != '0');
  FUZZ_CHECK(within(c_value(text), value, 0.5e-14 * std::fabs(value)));
  if (shortest_significant_digits(value) <= 15) FUZZ_CHECK(c_value(text) == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int decimals = input.ConsumeIntegralInRange(-2, 18);
  const int digits = input.ConsumeIntegralInRange(-1, 19);
  // Either any bit pattern or a decimal text, which reaches the halfway cases (1.005, 2.5).
  double value;
  if (input.ConsumeBool()) {
    value = std::bit_cast<double>(input.ConsumeIntegral<uint64_t>());
  } else {
    value = c_value(input.ConsumeRandomLengthString(40));
  }
  check_fixed(value, decimals);
  check_lot_spin(value);
  check_whole(value, digits);
  check_price(value);
  return 0;
}
