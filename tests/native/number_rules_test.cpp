// The number rules of common/: lenient and strict "." readings, strict whole numbers,
// fixed-decimal text and the two spin texts.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale>

#include "common/fixed_text.h"
#include "common/lenient_number.h"
#include "common/spin_text.h"
#include "common/strict_number.h"
#include "common/whole_number.h"

namespace pelmora::common {
namespace {

TEST(LenientNumber, ReadsTheLongestLeadingNumberAndNeverFails) {
  const struct {
    std::string_view text;
    double value;
  } cases[] = {{"", 0},           {"abc", 0},          {".", 0},
               {"- 1", 0},        {"0,5", 0},          {"1,5", 1},
               {"1.3050", 1.305}, {"  -2.5", -2.5},    {"+.5", 0.5},
               {"5.", 5},         {"2.5E-1", 0.25},    {"1e+", 1},
               {"1.5e2;", 150},   {"inf", 0},          {"0x10", 0},
               {"1e-400", 0},     {"1e400", HUGE_VAL}, {"-1e99999999999999999999", -HUGE_VAL}};
  for (const auto& c : cases) EXPECT_EQ(read_lenient_number(c.text), c.value) << c.text;
  EXPECT_EQ(read_lenient_number(std::string(400, '9')), HUGE_VAL);
  EXPECT_EQ(read_lenient_number("0." + std::string(400, '0') + "1"), 0);
}

TEST(StrictNumber, TheWholeTextMustBeOneNumber) {
  const struct {
    std::string_view text;
    double value;
  } good[] = {{"0.25", 0.25}, {"  2", 2},    {"+1.5", 1.5},        {"-7", -7},
              {".5", 0.5},    {"5.", 5},     {"2.5E-1", 0.25},     {"1e+2", 100},
              {"1E05", 1e5},  {"1e-400", 0}, {"1.2346E05", 123460}};
  for (const auto& c : good) EXPECT_EQ(read_strict_number(c.text), c.value) << c.text;
  for (std::string_view bad : {"", "   ", "abc", "1.5.5", "1,5", "2 ", "\t2", ".", "-", "+-1", "1e",
                               "1e+", "1e5.0", "0x10", "inf", "nan", "1e400"}) {
    EXPECT_EQ(read_strict_number(bad), std::nullopt) << bad;
  }
}

TEST(WholeNumber, AcceptsOnlyA32BitDecimalInteger) {
  EXPECT_EQ(read_whole_number("  +7"), 7);
  EXPECT_EQ(read_whole_number("-2147483648"), INT32_MIN);
  EXPECT_EQ(read_whole_number("2147483647"), INT32_MAX);
  for (std::string_view bad : {"", "abc", "1a", "1.0", "1 ", "2147483648", "+-5", "-", "1e3"}) {
    EXPECT_EQ(read_whole_number(bad), std::nullopt) << bad;
  }
}

TEST(FixedText, TwoDecimalsRoundedHalfAwayFromZeroOnTheDecimalValue) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0.01, "0.01"},    {0.1, "0.10"},       {1, "1.00"},
               {-0.0, "0.00"},    {-0.001, "0.00"},    {-0.5, "-0.50"},
               {1.005, "1.01"},   {-0.125, "-0.13"},   {0.004999, "0.00"},
               {9.995, "10.00"},  {5e-324, "0.00"},    {123456789012345.678, "123456789012345.67"},
               {1e300, "1e+300"}, {-HUGE_VAL, "-INF"}, {std::nan(""), "NAN"}};
  for (const auto& c : cases) EXPECT_EQ(lot_text(c.value), c.text) << c.value;
  EXPECT_EQ(fixed_text(1.23456, 4), "1.2346");
}

// Values as the spin steps compute them, binary sums included.
TEST(SpinText, LotTwoDecimalsAtMostFiveSignificantDigitsThenExponentForm) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0.05 - 0.01, "0.04"},    {0.25 - 0.1, "0.15"},
               {0.25 + 0.1, "0.35"},     {0.1, "0.10"},
               {1.5 + 0.01, "1.51"},     {999.99 + 0.01, "1000.00"},
               {1000 + 0.01, "1000.00"}, {1234.549, "1234.50"},
               {9999.995, "10000.00"},   {99999.4, "99999.00"},
               {99999.5, "1E05"},        {100000, "1E05"},
               {123456, "1.2346E05"},    {123465, "1.2347E05"},
               {1.5e300, "1.5E300"},     {0.004, "0.00"},
               {-0.25, "-0.25"}};
  for (const auto& c : cases) EXPECT_EQ(lot_spin_text(c.value), c.text) << c.value;
}

TEST(SpinText, DistanceWholeNumberAtMostFiveSignificantDigitsThenExponentForm) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},   {1, "1"},           {2.4 + 1, "3"},   {2.6 - 1, "2"},       {2.5 + 1, "4"},
      {0.4, "0"}, {12345.5, "12346"}, {99999.5, "1E5"}, {123456, "1.2346E5"}, {1e20, "1E20"}};
  for (const auto& c : cases) EXPECT_EQ(distance_spin_text(c.value), c.text) << c.value;
  EXPECT_THROW(distance_spin_text(HUGE_VAL), std::domain_error);
  EXPECT_THROW(lot_spin_text(std::nan("")), std::domain_error);
}

TEST(NumberTexts, KeepThePointUnderACommaLocale) {
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "de_DE"}) {
    try {
      std::locale::global(std::locale(name));  // the C locale follows a named C++ locale
    } catch (const std::runtime_error&) {
      continue;
    }
    if ((switched = *std::localeconv()->decimal_point == ',')) break;
  }
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.2f", 0.5);
  const std::string lot = lot_text(-1234.5);
  const std::string spun = lot_spin_text(1234.5);
  const double read = read_lenient_number("1.5");
  const std::optional<double> strict = read_strict_number("1.5");
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  if (!switched) GTEST_SKIP() << "no installed locale with a decimal comma";
  ASSERT_STREQ(printed, "0,50");  // the comma locale really was in force
  EXPECT_EQ(lot, "-1234.50");
  EXPECT_EQ(spun, "1234.50");
  EXPECT_EQ(read, 1.5);
  EXPECT_EQ(strict, 1.5);
}

}  // namespace
}  // namespace pelmora::common
