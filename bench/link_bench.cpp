// The cost of one link tick (Timer1Timer) against in-memory controls: steady state, where the
// order lines stay the same between ticks (no lines at all: the floor), and churn, where every
// line changes every tick.
#include <benchmark/benchmark.h>

#include <string>

#include "link/link.h"
#include "platform/fake/fake_controls.h"

namespace {

using namespace pelmora;
using platform::fake::FakeButton;
using platform::fake::FakeEdit;
using platform::fake::FakeListBox;
using platform::fake::FakeMenuItem;

struct Panel {
  FakeEdit IN_ORDERS, IN_READ_COMMAND, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER, OUT_COMMAND,
      Edit12{"0.10"};
  FakeListBox ORDERS_LIST_m;
  FakeButton Button3, Button4, Button7;
  FakeMenuItem N2;
  link::OrderVariables order;
  link::Link link{{IN_ORDERS, IN_READ_COMMAND, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER, OUT_COMMAND,
                   Edit12, ORDERS_LIST_m, Button3, Button4, Button7, N2},
                  order};
};

// Order lines as an expert writes them; `variant` changes every line's text.
std::string order_lines(int count, int variant) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += std::to_string(10000000 + i) + " (buy 0.10 EURUSD at 1.3050" + std::to_string(variant) +
            ")\r\n";
  }
  return text;
}

void BM_LinkTickSteady(benchmark::State& state) {
  Panel p;
  p.IN_ORDERS.type(order_lines(static_cast<int>(state.range(0)), 0));
  p.IN_ORDER_PROPERTY.type("10000000;0;1.3050;1.2950;1.3150;0.0001;5;2;0.01;");
  p.link.Timer1Timer();
  for (auto _ : state) p.link.Timer1Timer();
  benchmark::DoNotOptimize(p.ORDERS_LIST_m.count());
}
BENCHMARK(BM_LinkTickSteady)->Arg(0)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_LinkTickEveryLineChanges(benchmark::State& state) {
  Panel p;
  const int n = static_cast<int>(state.range(0));
  const std::string texts[2] = {order_lines(n, 0), order_lines(n, 1)};
  p.IN_ORDER_PROPERTY.type("10000000;0;1.3050;1.2950;1.3150;0.0001;5;2;0.01;");
  int tick = 0;
  for (auto _ : state) {
    p.IN_ORDERS.type(texts[++tick % 2]);  // the terminal side's write, part of each round
    p.link.Timer1Timer();
  }
  benchmark::DoNotOptimize(p.ORDERS_LIST_m.item_writes());
}
BENCHMARK(BM_LinkTickEveryLineChanges)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
