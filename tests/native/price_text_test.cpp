// The number rules of the SL/TP window: the price text, the whole-number text of a distance,
// the locale reading and the spin steps' "." reading.
#include <gtest/gtest.h>

#include "common/decimal_reading.h"
#include "common/price_text.h"

namespace pelmora::common {
namespace {

TEST(PriceTexts, GeneralPriceTextAndWholeNumbersWithTheirExponentForms) {
  const struct {
    double value;
    const char* text;
  } prices[] = {{111, "111"},
                {-0.0, "0"},
                {1.25 - 50 * 0.0001, "1.245"},
                {0.1 + 0.2, "0.3"},
                {0.00001, "0.00001"},
                {-1.5e-7, "-1.5E-7"},
                {1e15, "1E15"},
                {999999999999999, "999999999999999"}};
  for (const auto& c : prices) EXPECT_EQ(price_text(c.value), c.text) << c.value;
  const struct {
    double value;
    int digits;
    const char* text;
  } wholes[] = {{49.99999999999, 10, "50"},
                {2.5, 5, "3"},
                {-0.5, 5, "-1"},
                {-0.4, 5, "0"},
                {99999.5, 5, "1E5"},
                {-123456, 5, "-1.2346E5"},
                {123456, 10, "123456"},
                {12345678901, 10, "1.23456789E10"}};
  for (const auto& c : wholes) EXPECT_EQ(whole_text(c.value, c.digits), c.text) << c.value;
}

TEST(DecimalReading, TheUsersSeparatorWithSpacesAroundOrAPointWithNothingAfter) {
  const struct {
    const char *separator, *text;
    std::optional<double> value;
  } cases[] = {{",", " 12,5 ", 12.5}, {",", "-1,5e2", -150}, {"٫", "1٫5", 1.5}, {",", "1.5", {}},
               {",", "1,2,3", {}},    {".", "   ", {}},      {".", "1e", {}},   {".", "1e400", {}}};
  for (const auto& c : cases) {
    EXPECT_EQ(read_locale_number(c.text, c.separator), c.value) << c.separator << c.text;
  }
  EXPECT_EQ(read_point_number("  +.5e1"), 5);
  for (const char* bad : {"", "1 ", "12,6", "."}) EXPECT_EQ(read_point_number(bad), std::nullopt);
}

}  // namespace
}  // namespace pelmora::common
