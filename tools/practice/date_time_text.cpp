// Date and time reading for the history files' many export forms.
#include "date_time_text.h"

#include "calendar.h"

namespace pelmora::practice {

namespace {

bool all_digits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A fixed run of digits; -1 when any is not a digit.
int digits_at(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size() || !all_digits(text.substr(at, count))) return -1;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

std::optional<std::int64_t> days_of(int year, int month, int day) {
  const CivilDate date{year, month, day};
  if (year < 1900 || year > 9999 || !valid_date(date)) return std::nullopt;
  return days_from_civil(date);
}

}  // namespace

std::optional<std::int64_t> parse_date(std::string_view text) {
  if (text.size() == 8) {
    if (!all_digits(text)) return std::nullopt;
    return days_of(digits_at(text, 0, 4), digits_at(text, 4, 2), digits_at(text, 6, 2));
  }
  if (text.size() != 10) return std::nullopt;
  const char mark = text[4];
  if ((mark == '.' || mark == '-' || mark == '/') && text[7] == mark) {
    const int year = digits_at(text, 0, 4), month = digits_at(text, 5, 2),
              day = digits_at(text, 8, 2);
    if (year < 0 || month < 0 || day < 0) return std::nullopt;
    return days_of(year, month, day);
  }
  if (text[2] == '.' && text[5] == '.') {
    const int day = digits_at(text, 0, 2), month = digits_at(text, 3, 2),
              year = digits_at(text, 6, 4);
    if (year < 0 || month < 0 || day < 0) return std::nullopt;
    return days_of(year, month, day);
  }
  return std::nullopt;
}

std::optional<std::int64_t> parse_time(std::string_view text) {
  int hour = -1, minute = -1, second = 0;
  if (text.size() >= 5 && text[2] == ':') {
    hour = digits_at(text, 0, 2);
    minute = digits_at(text, 3, 2);
    std::string_view rest = text.substr(5);
    if (!rest.empty()) {
      if (rest.size() < 3 || rest[0] != ':') return std::nullopt;
      second = digits_at(rest, 1, 2);
      rest.remove_prefix(3);
      if (!rest.empty() && (rest[0] != '.' || !all_digits(rest.substr(1)))) return std::nullopt;
    }
  } else if ((text.size() == 4 || text.size() == 6) && all_digits(text)) {
    hour = digits_at(text, 0, 2);
    minute = digits_at(text, 2, 2);
    if (text.size() == 6) second = digits_at(text, 4, 2);
  }
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
    return std::nullopt;
  }
  return hour * 3600 + minute * 60 + second;
}

std::optional<std::int64_t> parse_date_time(std::string_view text) {
  const std::size_t gap = text.find_first_of(" T");
  const auto days = parse_date(text.substr(0, gap));
  if (!days) return std::nullopt;
  if (gap == std::string_view::npos) return *days * kSecondsPerDay;
  const auto seconds = parse_time(text.substr(gap + 1));
  if (!seconds) return std::nullopt;
  return *days * kSecondsPerDay + *seconds;
}

bool looks_like_time(std::string_view text) {
  return text.find(':') != std::string_view::npos ||
         (text.size() == 6 && all_digits(text) && parse_time(text));
}

}  // namespace pelmora::practice
