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
// five-minute bars with five-digit prices; the same seed always gives the same bars.
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
HistoryReading read_history(std::string_view text, std::string_view symbol = "EURUSD");

// Price text with the instrument's digits and '.': 123456 with 5 digits is "1.23456".
std::string price_text(Price price, int digits);

}  // namespace pelmora::practice
