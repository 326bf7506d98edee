// Dates as whole days and seconds since 1970-01-01, without time zones: the history's times are
// taken as written, and the same arithmetic must give the same texts on every build.
#pragma once

#include <cstdint>

namespace pelmora::practice {

struct CivilDate {
  int year = 1970, month = 1, day = 1;
};

std::int64_t days_from_civil(CivilDate date);
CivilDate civil_from_days(std::int64_t days);
bool valid_date(CivilDate date);
// 0 Monday .. 6 Sunday.
int weekday(std::int64_t days);

inline constexpr std::int64_t kSecondsPerDay = 86400;

}  // namespace pelmora::practice
