// The lenient reading of the order property record and the lot check, against the C library's
// strtod (the fuzzer runs in the "C" locale): both must read the same leading number, except the
// forms strtod takes and this reading does not (other leading white space, hexadecimal, "inf",
// "nan"). And every double written in its shortest form reads back as itself, whatever blanks
// lead and whatever text follows.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/lenient_number.h"
#include "number_shape.h"

using pelmora::common::read_lenient_number;
using namespace pelmora::fuzz;

namespace {

double reference_reading(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == text.npos) return 0;
  std::string number(text.substr(first));
  const size_t after_sign = number[0] == '+' || number[0] == '-' ? 1 : 0;
  if (after_sign >= number.size()) return 0;
  if (!is_digit(number[after_sign]) && number[after_sign] != '.') return 0;
  // "0x1p3" is 0 followed by text here, so strtod may read only up to the "x".
  const size_t x = number.find_first_of("xX");
  if (x != number.npos) number.resize(x);
  char* end = nullptr;
  const double value = std::strtod(number.c_str(), &end);
  return end == number.c_str() ? 0 : value;
}

void check_round_trip(const uint8_t* data) {
  const uint8_t options = data[sizeof(double)];
  const auto written = written_double(data, options);
  if (!written) return;
  static constexpr std::string_view kTails[] = {"", ";", ",5", " 1", "x", "e", "E+", "."};
  std::string text(options / 3 % 4, options & 0x80 ? '\t' : ' ');
  text += written->text;
  if (options & 0x40) {
    for (char& c : text) c = c == 'e' ? 'E' : c;
  }
  text += kTails[(options >> 3) % 8];
  FUZZ_CHECK(same_double(read_lenient_number(text), written->value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double read = read_lenient_number(text);
  FUZZ_CHECK(!std::isnan(read));
  FUZZ_CHECK(same_double(read, reference_reading(text)));
  if (size > sizeof(double)) check_round_trip(data);
  return 0;
}
