// The number rules of common/: the lenient, strict and locale readings, the fixed-decimal text,
// the spin texts, the whole-number and price texts, and that none of them follows the C locale.
// The strict whole number is pinned through the chart parameter that reads it.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>

#include "common/decimal_reading.h"
#include "common/fixed_text.h"
#include "common/lenient_number.h"
#include "common/number_texts.h"

namespace pelmora::common {
namespace {

TEST(LenientNumber, ReadsTheLongestLeadingNumberAndNeverFails) {
  const std::pair<std::string, double> cases[] = {{"", 0},
                                                  {"abc", 0},
                                                  {".", 0},
                                                  {"- 1", 0},
                                                  {"0,5", 0},
                                                  {"1,5", 1},
                                                  {"1.3050", 1.305},
                                                  {"  -2.5", -2.5},
                                                  {"+.5", 0.5},
                                                  {"5.", 5},
                                                  {"2.5E-1", 0.25},
                                                  {"1e+", 1},
                                                  {"1.5e2;", 150},
                                                  {"inf", 0},
                                                  {"0x10", 0},
                                                  {"1e-400", 0},
                                                  {"1e400", HUGE_VAL},
                                                  {std::string(400, '9'), HUGE_VAL},
                                                  {"0." + std::string(400, '0') + "1", 0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(read_lenient_number(text), value) << text;
}

TEST(StrictNumber, TheWholeTextMustBeOneNumberAndTheLocaleOnesSeparatorStandsForThePoint) {
  const std::pair<std::string_view, double> good[] = {
      {"0.25", 0.25}, {"  2", 2},    {"+1.5", 1.5},         {"-7", -7},
      {".5", 0.5},    {"5.", 5},     {"2.5E-1", 0.25},      {"1e+2", 100},
      {"1E05", 1e5},  {"1e-400", 0}, {"1.2346E05", 123460}, {"  +.5e1", 5}};
  for (const auto& [text, value] : good) EXPECT_EQ(read_strict_number(text), value) << text;
  for (std::string_view bad : {"", "   ", "abc", "1.5.5", "1,5", "2 ", "\t2", ".", "-", "+-1", "1e",
                               "1e+", "1e5.0", "0x10", "inf", "nan", "1e400"}) {
    EXPECT_EQ(read_strict_number(bad), std::nullopt) << bad;
  }
  const std::tuple<const char*, const char*, std::optional<double>> local[] = {
      {",", " 12,5 ", 12.5}, {",", "-1,5e2", -150}, {"٫", "1٫5", 1.5}, {",", "1.5", {}},
      {",", "1,2,3", {}},    {".", "   ", {}},      {".", "1e", {}},   {".", "1e400", {}}};
  for (const auto& [separator, text, value] : local) {
    EXPECT_EQ(read_locale_number(text, separator), value) << separator << text;
  }
}

TEST(FixedText, TwoDecimalsRoundedHalfAwayFromZeroOnTheDecimalValue) {
  const std::pair<double, const char*> cases[] = {
      {0.01, "0.01"},       {0.1, "0.10"},     {1, "1.00"},
      {-0.0, "0.00"},       {-0.001, "0.00"},  {-0.5, "-0.50"},
      {1.005, "1.01"},      {-0.125, "-0.13"}, {0.004999, "0.00"},
      {9.995, "10.00"},     {5e-324, "0.00"},  {123456789012345.678, "123456789012345.67"},
      {1e15, "1e+15"},      {1e300, "1e+300"}, {-HUGE_VAL, "-INF"},
      {std::nan(""), "NAN"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(lot_text(value), text) << value;
  EXPECT_EQ(fixed_text(1.23456, 4), "1.2346");
}

// Values as the spin steps compute them, binary sums included: the lot with two decimals, the
// distance whole, each at most five significant digits and then in exponent form.
TEST(SpinText, AtMostFiveSignificantDigitsThenExponentForm) {
  const std::tuple<std::string (*)(double), double, const char*> cases[] = {
      {lot_spin_text, 0.25 - 0.1, "0.15"},      {lot_spin_text, 999.99 + 0.01, "1000.00"},
      {lot_spin_text, 1234.549, "1234.50"},     {lot_spin_text, 9999.995, "10000.00"},
      {lot_spin_text, 99999.4, "99999.00"},     {lot_spin_text, 99999.5, "1E05"},
      {lot_spin_text, 123456, "1.2346E05"},     {lot_spin_text, 123465, "1.2347E05"},
      {lot_spin_text, 1.5e300, "1.5E300"},      {lot_spin_text, 0.004, "0.00"},
      {lot_spin_text, -0.25, "-0.25"},          {distance_spin_text, 0, "0"},
      {distance_spin_text, 2.4 + 1, "3"},       {distance_spin_text, 2.6 - 1, "2"},
      {distance_spin_text, 2.5 + 1, "4"},       {distance_spin_text, 0.4, "0"},
      {distance_spin_text, 12345.5, "12346"},   {distance_spin_text, 99999.5, "1E5"},
      {distance_spin_text, 123456, "1.2346E5"}, {distance_spin_text, 1e20, "1E20"}};
  for (const auto& [write, value, text] : cases) EXPECT_EQ(write(value), text) << value;
  EXPECT_THROW(distance_spin_text(HUGE_VAL), std::domain_error);
  EXPECT_THROW(lot_spin_text(std::nan("")), std::domain_error);
  const std::tuple<double, int, const char*> wholes[] = {
      {49.99999999999, 10, "50"}, {-0.5, 5, "-1"},        {-0.4, 5, "0"},
      {-123456, 5, "-1.2346E5"},  {123456, 10, "123456"}, {12345678901, 10, "1.23456789E10"}};
  for (const auto& [value, digits, text] : wholes) EXPECT_EQ(whole_text(value, digits), text);
}

TEST(PriceText, GeneralFormatFifteenDigitsExponentOnlyAtTheEnds) {
  const std::pair<double, const char*> prices[] = {
      {111, "111"},         {-0.0, "0"},          {1.25 - 50 * 0.0001, "1.245"},
      {0.1 + 0.2, "0.3"},   {0.00001, "0.00001"}, {0.000001, "1E-6"},
      {-1.5e-7, "-1.5E-7"}, {1e15, "1E15"},       {999999999999999, "999999999999999"},
      {-HUGE_VAL, "-INF"}};
  for (const auto& [value, text] : prices) EXPECT_EQ(price_text(value), text) << value;
}

TEST(NumberTexts, KeepThePointUnderACommaLocale) {
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE"}) {
    try {
      std::locale::global(std::locale(name));  // the C locale follows a named C++ locale
      if ((switched = *std::localeconv()->decimal_point == ',')) break;
    } catch (const std::runtime_error&) {
    }
  }
  const std::string texts = lot_text(-1234.5) + " " + lot_spin_text(1234.5);
  const double read = read_lenient_number("1.5");
  const std::optional<double> strict = read_strict_number("1.5");
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  if (!switched) GTEST_SKIP() << "no installed locale with a decimal comma";
  EXPECT_EQ(texts, "-1234.50 1234.50");
  EXPECT_TRUE(read == 1.5 && strict == 1.5);
}

}  // namespace
}  // namespace pelmora::common
