// The proleptic Gregorian calendar in whole-number arithmetic (days counted from 1970-01-01).
#include "calendar.h"

namespace pelmora::practice {

namespace {

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

bool leap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

std::int64_t days_from_civil(CivilDate date) {
  const std::int64_t y = date.year - (date.month <= 2);
  const std::int64_t era = floor_div(y, 400);
  const std::int64_t year_of_era = y - era * 400;
  const std::int64_t m = date.month;
  const std::int64_t day_of_year = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
  const std::int64_t day_of_era =
      year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

CivilDate civil_from_days(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = floor_div(z, 146097);
  const std::int64_t day_of_era = z - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t mp = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2));
  return {year, month, day};
}

bool valid_date(CivilDate date) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.month < 1 || date.month > 12 || date.day < 1) return false;
  const int last = kDays[date.month - 1] + (date.month == 2 && leap(date.year));
  return date.day <= last;
}

int weekday(std::int64_t days) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(floor_div(days + 3, 7) * -7 + days + 3);
}

}  // namespace pelmora::practice
