// The manual clock's cost, so that timer-heavy native tests stay cheap.
#include <benchmark/benchmark.h>

#include "platform/fake/manual_clock.h"

static void BM_ManualClockSecondOfTenMsTicks(benchmark::State& state) {
  for (auto _ : state) {
    pelmora::platform::fake::ManualClock clock;
    clock.make_timer(10, true);
    clock.advance(1000);
    benchmark::DoNotOptimize(clock.now_ms());
  }
}
BENCHMARK(BM_ManualClockSecondOfTenMsTicks);
