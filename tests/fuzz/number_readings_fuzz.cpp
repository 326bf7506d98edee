// The three readings of numbers, on any text. The lenient one (the order record, the lot check)
// reads what the C library's strtod reads of a leading number, but for the forms it leaves out
// (other leading white space, hexadecimal, "inf", "nan"). The strict one (the spin steps) takes
// exactly the texts of its pattern whose value is finite, reading them as the lenient one does;
// the locale one is the strict one with the user's separator for "." and trailing spaces. The
// whole number (the version file, the order type) is a plain digit-by-digit reading within 32
// bits. Every double and 32-bit number, written in a form of its own, reads back as itself.
#include <algorithm>
#include <cstring>
#include <string>

#include "common/decimal_reading.h"
#include "common/lenient_number.h"
#include "common/whole_number.h"
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
    const bool match = text.substr(at).starts_with(from);
    out += match ? to : text.substr(at, 1);
    at += match ? from.size() : 1;
  }
  return out;
}

double lenient_reference(std::string_view text) {
  text.remove_prefix(std::min(text.size(), text.find_first_not_of(" \t")));
  // "0x1p3" is 0 followed by text here, so strtod may read only up to the "x".
  const std::string number(text.substr(0, text.find_first_of("xX")));
  const size_t digit = number.starts_with('+') || number.starts_with('-');
  if (digit >= number.size() || !(is_digit(number[digit]) || number[digit] == '.')) return 0;
  return std::strtod(number.c_str(), nullptr);
}

// Spaces, an optional sign, digits with at most one "." among them (at least one digit), then
// optionally "e" or "E", a sign and digits.
bool strict_pattern(std::string_view text) {
  size_t i = text.find_first_not_of(' ');
  if (i == text.npos) return false;
  i += text[i] == '+' || text[i] == '-';
  size_t digits = 0, points = 0;
  for (; i < text.size() && (is_digit(text[i]) || text[i] == '.'); ++i) {
    ++(text[i] == '.' ? points : digits);
  }
  if (digits == 0 || points > 1) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    i += 1 + (i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'));
    if (i >= text.size() || !is_digit(text[i])) return false;
    while (i < text.size() && is_digit(text[i])) ++i;
  }
  return i == text.size();
}

std::optional<int32_t> whole_reference(std::string_view text) {
  text.remove_prefix(std::min(text.size(), text.find_first_not_of(" \t")));
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  if (!all_digits(text)) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if ((value = value * 10 + (c - '0')) > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (!negative && value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view separator = kSeparators[data[0] % std::size(kSeparators)];
  const std::string_view text = text_of(data + 1, size - 1);
  const double lenient = read_lenient_number(text);
  FUZZ_CHECK(!std::isnan(lenient) && same_double(lenient, lenient_reference(text)));
  const std::optional<double> strict = read_strict_number(text);
  FUZZ_CHECK(strict.has_value() == (strict_pattern(text) && std::isfinite(lenient)));
  FUZZ_CHECK(!strict || same_double(*strict, lenient));
  if (separator == "." || text.find('.') == text.npos) {
    std::string as_point = replaced(text, separator, ".");
    as_point.erase(as_point.find_last_not_of(' ') + 1);
    FUZZ_CHECK(same(read_locale_number(text, separator), read_strict_number(as_point)));
  }
  FUZZ_CHECK(!read_locale_number(text, "") && read_whole_number(text) == whole_reference(text));

  if (size <= 1 + sizeof(double)) return 0;
  const uint8_t options = data[1 + sizeof(double)];
  int32_t whole;
  std::memcpy(&whole, data + 1, sizeof whole);
  std::string written(options % 4, options & 0x80 ? '\t' : ' ');
  written += (whole < 0 ? "-" : (options & 0x40) ? "+" : "") + std::string(options / 4 % 8, '0');
  FUZZ_CHECK(read_whole_number(written + std::to_string(std::abs(int64_t{whole}))) == whole);
  const auto number = written_double(data + 1, options);
  if (!number) return 0;
  static constexpr std::string_view kTails[] = {"", ";", ",5", " 1", "x", "e", "E+", "."};
  const std::string lead(options / 3 % 3, ' ');
  FUZZ_CHECK(same_double(
      read_lenient_number(lead + number->text + std::string(kTails[options % 8])), number->value));
  FUZZ_CHECK(same(read_strict_number(lead + number->text), number->value));
  const std::string local =
      replaced(lead + number->text, ".", separator) + std::string(options / 9 % 3, ' ');
  FUZZ_CHECK(same(read_locale_number(local, separator), number->value));
  return 0;
}
