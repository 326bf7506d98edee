// The bundled series: a mean-reverting random walk around 1.10000 on five-minute bars, weekdays
// only, busier in the European and American hours. Whole-number arithmetic and a generator of
// our own, so that the native and the Windows builds give the same bars for a seed.
#include <algorithm>

#include "calendar.h"
#include "history.h"

namespace pelmora::practice {

namespace {

// splitmix64: small, fast and the same everywhere.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, n).
  std::int64_t below(std::int64_t n) { return static_cast<std::int64_t>(next() % n); }
  // Roughly normal, mean 0, standard deviation 1000: the sum of four uniforms.
  std::int64_t normal_milli() {
    std::int64_t sum = 0;
    for (int i = 0; i < 4; ++i) sum += below(2001) - 1000;
    return sum * 1000 / 1155;
  }

 private:
  std::uint64_t state_;
};

constexpr Price kCentre = 110000;  // 1.10000
constexpr int kBarSeconds = 300;
const CivilDate kStart{2025, 1, 6};  // a Monday

// How busy the hour is, in percent of the usual move.
std::int64_t session_percent(std::int64_t seconds_of_day) {
  const std::int64_t hour = seconds_of_day / 3600;
  if (hour >= 13 && hour < 17) return 150;  // both sessions open
  if (hour >= 7 && hour < 20) return 115;
  return 60;
}

// The next bar time after `time`, skipping Saturday and Sunday.
std::int64_t next_time(std::int64_t time) {
  time += kBarSeconds;
  const std::int64_t day = time / kSecondsPerDay;
  const int wd = weekday(day);
  if (wd >= 5) time = (day + (7 - wd)) * kSecondsPerDay;
  return time;
}

}  // namespace

History generate_history(std::uint32_t seed, int bars) {
  History history;
  history.bar_seconds = kBarSeconds;
  history.bars.reserve(static_cast<std::size_t>(std::max(bars, 0)));
  Random random(seed);
  std::int64_t time = days_from_civil(kStart) * kSecondsPerDay;
  Price close = kCentre;
  std::int64_t regime = 100;  // slowly changing volatility, percent
  for (int i = 0; i < bars; ++i) {
    if (i > 0) time = next_time(time);
    if (random.below(50) == 0) regime = 70 + random.below(81);
    const std::int64_t sigma = 40 * session_percent(time % kSecondsPerDay) / 100 * regime / 100;
    Bar bar;
    bar.time = time;
    // Now and then the price jumps a little between bars.
    bar.open = close + (random.below(25) == 0 ? random.below(31) - 15 : 0);
    const Price drift = (kCentre - bar.open) / 400;
    bar.close = bar.open + drift + random.normal_milli() * sigma / 1000;
    const Price upper = random.below(sigma * 6 / 10 + 1) + random.below(4);
    const Price lower = random.below(sigma * 6 / 10 + 1) + random.below(4);
    bar.high = std::max(bar.open, bar.close) + upper;
    bar.low = std::min(bar.open, bar.close) - lower;
    if (bar.high - bar.low < 5) bar.high = bar.low + 5;
    bar.volume = 40 + (bar.high - bar.low) / 2 + random.below(60);
    close = bar.close;
    history.bars.push_back(bar);
  }
  return history;
}

}  // namespace pelmora::practice
