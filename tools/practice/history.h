// Price history for the practice tester: bars with prices held as whole counts of the
// instrument's point, so that fills, levels and results are exact. Either generated (the
// bundled series) or read from a user's OHLC CSV export.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
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
  double commission = 0;          // money per lot for each trade, charged once, at its close
  // Which of the above were not given but inferred or assumed (settle_instrument()).
  struct Assumed {
    bool digits = false, contract_size = false, spread = false, commission = false;
  } assumed;
  double point() const;
  double money_per_point_per_lot() const { return contract_size * point(); }
  // The money of `points` on `lots` lot steps (0.01 lots each), before commission; whole
  // numbers first and one division, so that the money is the nearest double to the exact
  // amount (1.20, not 1.2000000000000002).
  double money(Price points, std::int64_t lots) const;
  double commission_for(std::int64_t lots) const {
    return commission * static_cast<double>(lots) / 100;
  }
};

struct History {
  Instrument instrument;
  std::vector<Bar> bars;  // oldest first, times strictly rising
  int bar_seconds = 300;  // the usual distance between bars
};

// The timeframe of bars `bar_seconds` apart, as charts name it: M1, M5, M15, H1, H4, D1, W1, MN
// (28 to 31 days), and likewise M2, H2, D2 for other whole minutes, hours or days; S<n> below a
// minute or off the minute.
std::string timeframe_text(int bar_seconds);

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

// How far a reading on another thread has come, and a way to stop it (then the reading ends
// with the error "cancelled").
struct ReadProgress {
  std::atomic<std::size_t> bytes{0};  // of the text read so far
  std::atomic<bool> cancel{false};
};

struct ReadOptions {
  std::optional<int> digits;  // 0..8: prices rounded to these decimals; nothing: inferred
  ReadProgress* progress = nullptr;
};

// Reads a common OHLC CSV export: comma, semicolon or tab separated; date and time in one
// column or two; a header line or none; volume optional. The instrument is left as it comes
// but for its digits (settle_instrument() gives the rest).
// - The separator is the first line's tab, else semicolon, else comma. The first non-blank line
//   is a header when it does not start with a digit. LF or CR LF; a UTF-8 BOM and blank lines
//   are skipped. Fields may be in double quotes.
// - Columns by position: date and time (in one column, "2024.01.02 10:05" or
//   "2024-01-02T10:05:00", or two), open, high, low, close, then an optional volume (decimals
//   dropped); further columns (tick volume, spread) are ignored. A second column that is not a
//   time (no ':' nor HHMMSS) makes the file daily bars at 00:00.
// - Dates YYYY.MM.DD, YYYY-MM-DD, YYYY/MM/DD, YYYYMMDD or DD.MM.YYYY; times HH:MM, HH:MM:SS
//   (a fraction of a second dropped) or HHMMSS. Prices with '.', or ',' when the separator is
//   not a comma.
// - The digits are those nearly all prices need (all but one in a thousand), at most 8, once
//   float noise is rounded away (a price of 16 or more significant digits is taken at 15:
//   1.0721999999999998 needs 4); a price with more decimals is rounded to the point. Where
//   the smallest price would round to 0, more digits are kept. bar_seconds is the most common
//   distance between bars.
// - Errors: "the file is empty", "the file is UTF-16 text: ...", "the file is larger than
//   256 MB", "no bars", "cancelled", or the line as an editor numbers it
//   and what was wrong: "line 17: the high 1.2340 is below the open 1.2350", "line 3: expected
//   a date, found "abc"", "line 9: the time 2024.01.02 10:05 is not after the previous
//   bar's", too few columns, a price that is not a number or not positive.
HistoryReading read_history(std::string_view text, const ReadOptions& options = {});

// Price text with the instrument's digits and '.': 123456 with 5 digits is "1.23456".
std::string price_text(Price price, int digits);

}  // namespace pelmora::practice
