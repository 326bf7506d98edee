// The practice tester's costs: generating the bundled series, reading the same series from a
// CSV file against merely counting the file's lines, and replaying it to the end with open
// orders that trail, against the replay alone.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "history.h"
#include "order_book.h"
#include "summary.h"

namespace {

using namespace pelmora::practice;

std::string bundled_csv() {
  const History history = generate_history();
  std::string text = "Date,Open,High,Low,Close,Volume\n";
  for (const Bar& bar : history.bars) {
    text += time_text(bar.time) + "," + price_text(bar.open, 5) + "," + price_text(bar.high, 5) +
            "," + price_text(bar.low, 5) + "," + price_text(bar.close, 5) + "," +
            std::to_string(bar.volume) + "\n";
  }
  return text;
}

void BM_GenerateBundled(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(generate_history().bars.data());
}
BENCHMARK(BM_GenerateBundled)->Unit(benchmark::kMillisecond);

void BM_ReadBundledCsv(benchmark::State& state) {
  const std::string text = bundled_csv();
  for (auto _ : state) benchmark::DoNotOptimize(read_history(text).history.bars.data());
}
BENCHMARK(BM_ReadBundledCsv)->Unit(benchmark::kMillisecond);

void BM_CountBundledCsvLines(benchmark::State& state) {
  const std::string text = bundled_csv();
  for (auto _ : state) benchmark::DoNotOptimize(std::count(text.begin(), text.end(), '\n'));
}
BENCHMARK(BM_CountBundledCsvLines)->Unit(benchmark::kMillisecond);

// The whole bundled series, tick by tick; state.range(0) orders trail the price meanwhile.
void BM_ReplayBundled(benchmark::State& state) {
  const History history = generate_history();
  for (auto _ : state) {
    Replay replay(history);
    OrderBook book(history.instrument);
    std::int64_t ticks = 0;
    while (const auto tick = replay.next_tick()) {
      ++ticks;
      while (static_cast<std::int64_t>(book.open_orders().size()) < state.range(0)) {
        const Order& order = book.open(ticks % 2 ? Side::buy : Side::sell, 10, tick->quote, 0);
        book.set_trailing(order.ticket, 150, tick->quote);
      }
      benchmark::DoNotOptimize(book.on_tick(*tick).closed.size());
    }
    benchmark::DoNotOptimize(ticks);
  }
}
BENCHMARK(BM_ReplayBundled)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
