// The date and time texts of history files, read into seconds since 1970-01-01.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pelmora::practice {

// YYYY.MM.DD, YYYY-MM-DD, YYYY/MM/DD, YYYYMMDD, or DD.MM.YYYY; years 1900..9999. Days since
// 1970-01-01.
std::optional<std::int64_t> parse_date(std::string_view text);
// HH:MM, HH:MM:SS (a fraction of a second after it is dropped), HHMM or HHMMSS. Seconds into
// the day.
std::optional<std::int64_t> parse_time(std::string_view text);
// A date, optionally followed by a blank or 'T' and a time: "2017-03-01", "2017.03.01 14:00".
// Seconds since 1970-01-01.
std::optional<std::int64_t> parse_date_time(std::string_view text);
// Whether a column holds a time rather than a price: it has a ':' or is a valid HHMMSS (four
// digits could as well be a whole-number price).
bool looks_like_time(std::string_view text);

}  // namespace pelmora::practice
