// One scanner for both readings: it rewrites the accepted form into from_chars' plain notation
// ("-", digits, ".", exponent), so the conversion itself never depends on a locale.
#include "common/decimal_reading.h"

#include <cmath>
#include <string>

#include "common/lenient_number.h"

namespace pelmora::common {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

size_t skip_spaces(std::string_view text, size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

// Scans a number from `i` on; on success `plain` holds it in from_chars' notation and the
// returned position is just past it. npos when no number starts there.
size_t scan_number(std::string_view text, size_t i, std::string_view separator,
                   std::string& plain) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  bool digits = false;
  bool point = false;
  for (;;) {
    if (i < text.size() && is_digit(text[i])) {
      plain += text[i++];
      digits = true;
    } else if (!point && text.substr(i).starts_with(separator)) {
      plain += '.';
      i += separator.size();
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return std::string_view::npos;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    if (i >= text.size() || !is_digit(text[i])) return std::string_view::npos;
    while (i < text.size() && is_digit(text[i])) plain += text[i++];
  }
  return i;
}

// The lenient reading takes such a plain number whole; a value too large for a double is no
// number, one too small reads 0.
std::optional<double> convert(const std::string& plain) {
  const double value = read_lenient_number(plain);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> read_locale_number(std::string_view text, std::string_view separator) {
  if (separator.empty()) return std::nullopt;
  std::string plain;
  const size_t end = scan_number(text, skip_spaces(text, 0), separator, plain);
  if (end == std::string_view::npos || skip_spaces(text, end) != text.size()) return std::nullopt;
  return convert(plain);
}

std::optional<double> read_strict_number(std::string_view text) {
  std::string plain;
  const size_t end = scan_number(text, skip_spaces(text, 0), ".", plain);
  if (end != text.size()) return std::nullopt;
  return convert(plain);
}

}  // namespace pelmora::common
