// The number texts the panel writes into its fields: each keeps its shape (digits, ".", "E" as
// documented, no leading zero but the units', no "-0", no more significant digits than allowed)
// and reads back within half a unit of its last kept place, a tie rounded away from zero; where
// nothing had to be dropped it reads back exactly. Only an infinity or NaN may make the spin
// texts throw, and the fixed and price texts write them as words.
#include <algorithm>
#include <bit>
#include <stdexcept>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/fixed_text.h"
#include "common/number_texts.h"
#include "number_shape.h"

using namespace pelmora::common;
using namespace pelmora::fuzz;

namespace {

// The value's shortest text in a notation.
std::string shortest(double value, std::chars_format format) {
  char buf[400];
  return {buf, std::to_chars(buf, buf + sizeof buf, value, format).ptr};
}

// A text written for `value`: its shape, at most `digits` significant digits, and a value within
// `half_unit` (with room for the binary error of the comparison; rounding the largest doubles up
// may write a number past the largest double, which reads as infinite).
NumberShape check(const std::string& text, double value, size_t digits, double half_unit) {
  const auto shape = shape_of(text);
  FUZZ_CHECK(shape && !shape->negative_zero() && shape->significant_digits() <= digits);
  FUZZ_CHECK(shape->whole.size() == 1 || (!shape->exponent && shape->whole[0] != '0'));
  FUZZ_CHECK(!shape->exponent || shape->whole[0] != '0');
  const double written = c_value(text);
  FUZZ_CHECK((std::isinf(written) && std::fabs(value) > 1e308) ||
             std::fabs(written - value) <= half_unit * (1 + 1e-9) + std::fabs(value) * 1e-15);
  return *shape;
}

// Fixed and price texts write an infinity or NaN as a word; spin texts throw for exactly those.
bool special(double value, const std::string& text) {
  FUZZ_CHECK(!std::isnan(value) || text == "NAN");
  FUZZ_CHECK(!std::isinf(value) || text == (value > 0 ? "INF" : "-INF"));
  return !std::isfinite(value);
}
template <typename Write>
std::optional<std::string> spin_text(double value, Write write) {
  try {
    std::string text = write(value);
    FUZZ_CHECK(std::isfinite(value));
    return text;
  } catch (const std::domain_error&) {
    FUZZ_CHECK(!std::isfinite(value));
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int decimals = input.ConsumeIntegralInRange(-2, 18);
  const int digits = input.ConsumeIntegralInRange(-1, 19);
  // Either any bit pattern or a decimal text, which reaches the halfway cases (1.005, 2.5).
  const double value = input.ConsumeBool()
                           ? std::bit_cast<double>(input.ConsumeIntegral<uint64_t>())
                           : c_value(input.ConsumeRandomLengthString(40));
  const double size_unit = std::fabs(value);

  // Fixed: exactly the asked decimals (0 to 15); 1e15 and beyond in exponent form, exactly.
  const std::string fixed = fixed_text(value, decimals);
  const int places = std::clamp(decimals, 0, 15);
  if (!special(value, fixed) && size_unit < 1e15) {
    const NumberShape shape = check(fixed, value, 17, 0.5 * std::pow(10.0, -places));
    FUZZ_CHECK(!shape.exponent && shape.fraction.value_or("").size() == size_t(places));
    const std::string exact = shortest(value, std::chars_format::fixed);
    const size_t point = exact.find('.');
    const int exact_places = point == exact.npos ? 0 : static_cast<int>(exact.size() - point - 1);
    if (places >= exact_places) FUZZ_CHECK(c_value(fixed) == value);
    if (places + 1 == exact_places && exact.back() == '5') {
      FUZZ_CHECK(std::fabs(c_value(fixed)) > size_unit);
    }
  } else if (!special(value, fixed)) {
    FUZZ_CHECK(c_value(fixed) == value);
  }
  // The lot spin: two decimals and at most five digits, else "E" and two exponent digits.
  if (const auto lot = spin_text(value, lot_spin_text)) {
    const NumberShape shape = check(*lot, value, 5, std::max(0.005, 5e-5 * size_unit));
    FUZZ_CHECK(shape.exponent ? !shape.exponent_negative && shape.exponent->size() >= 2
                              : shape.fraction && shape.fraction->size() == 2);
  }
  // The distance spin and the loaded distance: whole numbers of at most `digits` digits.
  const int kept = std::clamp(digits, 1, 17);
  if (const auto whole = spin_text(value, [&](double v) { return whole_text(v, digits); })) {
    const NumberShape shape =
        check(*whole, value, kept, std::max(0.5, 0.5 * size_unit * std::pow(10.0, 1 - kept)));
    FUZZ_CHECK(shape.exponent
                   ? !shape.exponent_negative && std::fabs(c_value(*whole)) >= std::pow(10.0, kept)
                   : !shape.fraction);
  }
  // Prices: fifteen significant digits, no trailing zero, exact when they are enough.
  const std::string price = price_text(value);
  if (!special(value, price)) {
    const NumberShape shape = check(price, value, 15, 0.5e-14 * size_unit);
    FUZZ_CHECK(!shape.fraction || shape.fraction->back() != '0');
    const std::string exact = shortest(value, std::chars_format::scientific);
    const auto mantissa = std::string_view(exact).substr(0, exact.find('e'));
    if (std::ranges::count_if(mantissa, is_digit) <= 15) FUZZ_CHECK(c_value(price) == value);
  }
  return 0;
}
