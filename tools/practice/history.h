// Price history for the practice tester: bars with prices held as whole counts of the
// instrument's point, so that fills, levels and results are exact. Either generated (the
// bundled series) or read from a user's OHLC CSV export.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::practice {

// Prices are in points: 1.23456 with 5 digits is 123456.
using Price = std::int64_t;

struct Bar {
  std::int64_t time = 0;  // seconds since 1970-01-01, as written in the file (no time zone)
  Price open = 0, high = 0, low = 0, close = 0;
  std::int64_t volume = 0;  // 0 when the file has none
};

struct Instrument {
  std::string symbol = "EURUSD";
  int digits = 5;                 // decimals of a price; the point is 10^-digits
  Price spread = 8;               // ask = bid + spread, in points
  double contract_size = 100000;  // money per point per lot = contract_size * point
  double point() const;
  double money_per_point_per_lot() const { return contract_size * point(); }
};

struct History {
  Instrument instrument;
  std::vector<Bar> bars;  // oldest first, times strictly rising
  int bar_seconds = 300;  // the usual distance between bars
};

// The bundled series: a deterministic walk from `seed` that looks like a currency pair on
// five-minute bars with five-digit prices; the same seed always gives the same bars, on every
// build (a generator of its own and whole-number arithmetic). Weekdays only, from Monday
// 2025-01-06 00:00; the price wanders around 1.10000 and is pulled back towards it; bars range
// from about one to thirty-odd pips, wider from 07:00 to 20:00; about one bar in 25 opens up to
// 15 points away from the previous close. Spread 8 points. 12,000 bars take well under 50 ms.
inline constexpr std::uint32_t kBundledSeed = 20261206;
inline constexpr int kBundledBars = 12000;
History generate_history(std::uint32_t seed = kBundledSeed, int bars = kBundledBars);

struct HistoryReading {
  History history;
  std::string error;  // empty on success; otherwise "line N: what was wrong" (or a whole-file
                      // reason such as "no bars"); nothing of a bad file is kept
  bool ok() const { return error.empty(); }
};

// Reads a common OHLC CSV export: comma, semicolon or tab separated; date and time in one
// column or two; a header line or none; volume optional. The digits come from the prices'
// decimals; the symbol is `symbol`.
// - The separator is the first line's tab, else semicolon, else comma. The first non-blank line
//   is a header when it does not start with a digit. LF or CR LF; a UTF-8 BOM and blank lines
//   are skipped. Fields may be in double quotes.
// - Columns by position: date and time (in one column, "2024.01.02 10:05" or
//   "2024-01-02T10:05:00", or two), open, high, low, close, then an optional volume (decimals
//   dropped); further columns (tick volume, spread) are ignored. A second column that is not a
//   time (no ':' nor HHMMSS) makes the file daily bars at 00:00.
// - Dates YYYY.MM.DD, YYYY-MM-DD, YYYY/MM/DD, YYYYMMDD or DD.MM.YYYY; times HH:MM, HH:MM:SS
//   (a fraction of a second dropped) or HHMMSS. Prices with '.', or ',' when the separator is
//   not a comma; the digits are the most decimals seen, at most 8 (more are rounded).
// - The spread is 8 points with 5 or 3 digits (a fractional pip), else 1 point; bar_seconds
//   is the most common distance between bars.
// - Errors: "the file is larger than 256 MB", "no bars", or the line as an editor numbers it
//   and what was wrong: "line 17: the high 1.2340 is below the open 1.2350", "line 3: expected
//   a date, found "abc"", "line 9: the time 2024.01.02 10:05 is not after the previous
//   bar's", too few columns, a price that is not a number or not positive.
HistoryReading read_history(std::string_view text, std::string_view symbol = "EURUSD");

// Price text with the instrument's digits and '.': 123456 with 5 digits is "1.23456".
std::string price_text(Price price, int digits);

}  // namespace pelmora::practice
