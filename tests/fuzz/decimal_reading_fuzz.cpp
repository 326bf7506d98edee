// The strict readings of the spin steps and the price recalculation. The strict "." reading
// takes exactly the texts of its pattern whose value is finite, and then reads what the lenient
// reading reads; the locale reading with a separator is the strict reading of the same text
// with the separator written as "." and trailing spaces gone. Every double written in its
// shortest form reads back as itself through both.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/decimal_reading.h"
#include "common/lenient_number.h"
#include "number_shape.h"

using namespace pelmora::common;
using namespace pelmora::fuzz;

namespace {

// Decimal separators users have: none holds a digit, a sign, a space or an "e".
constexpr std::string_view kSeparators[] = {".", ",", "'", "\xC2\xA0", "\xD9\xAB", "::"};

bool same(std::optional<double> a, std::optional<double> b) {
  return a.has_value() == b.has_value() && (!a || same_double(*a, *b));
}

std::string replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  for (size_t at = 0; at < text.size();) {
    if (text.substr(at).starts_with(from)) {
      out += to;
      at += from.size();
    } else {
      out += text[at++];
    }
  }
  return out;
}

// The strict pattern, read as a run of digits and points: spaces, an optional sign, digits with
// at most one "." among them (at least one digit), then optionally "e" or "E", a sign and digits.
bool strict_pattern(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == text.npos) return false;
  if (text[i] == '+' || text[i] == '-') ++i;
  size_t digits = 0;
  size_t points = 0;
  for (; i < text.size() && (is_digit(text[i]) || text[i] == '.'); ++i) {
    ++(text[i] == '.' ? points : digits);
  }
  if (digits == 0 || points > 1) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t exponent_start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    if (i == exponent_start) return false;
  }
  return i == text.size();
}

void check_strict(std::string_view text) {
  const std::optional<double> strict = read_strict_number(text);
  FUZZ_CHECK(strict.has_value() ==
             (strict_pattern(text) && std::isfinite(read_lenient_number(text))));
  if (strict) FUZZ_CHECK(same_double(*strict, read_lenient_number(text)));
}

void check_locale(std::string_view text, std::string_view separator) {
  if (separator != "." && text.find('.') != text.npos) return;
  std::string as_point = replaced(text, separator, ".");
  as_point.erase(as_point.find_last_not_of(' ') + 1);
  FUZZ_CHECK(same(read_locale_number(text, separator), read_strict_number(as_point)));
}

void check_round_trip(const uint8_t* data, std::string_view separator) {
  const uint8_t options = data[sizeof(double)];
  const auto written = written_double(data, options);
  if (!written) return;
  const std::string text = std::string(options / 3 % 3, ' ') + written->text;
  FUZZ_CHECK(same(read_strict_number(text), written->value));
  const std::string local = replaced(text, ".", separator) + std::string(options / 9 % 3, ' ');
  FUZZ_CHECK(same(read_locale_number(local, separator), written->value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view separator = kSeparators[data[0] % std::size(kSeparators)];
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  check_strict(text);
  check_locale(text, separator);
  FUZZ_CHECK(!read_locale_number(text, ""));
  if (text.size() > sizeof(double)) check_round_trip(data + 1, separator);
  return 0;
}
