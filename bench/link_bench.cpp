// The cost of one link tick (tick) against in-memory controls: steady state, where the
// order lines stay the same between ticks (no lines at all: the floor), and churn, where every
// line changes every tick.
#include <benchmark/benchmark.h>

#include <string>

#include "link/link.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_controls.h"
#include "platform/fake/fake_journal_files.h"
#include "platform/fake/fake_ui_thread.h"

namespace {

using namespace pelmora;
using platform::fake::FakeButton;
using platform::fake::FakeEdit;
using platform::fake::FakeListBox;
using platform::fake::FakeMenuItem;

struct Panel {
  FakeEdit IN_ORDERS, IN_READ_COMMAND, IN_ASK_BID, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER,
      OUT_COMMAND, lot_field{"0.10"};
  FakeListBox orders_list;
  FakeButton stop_levels_button, trailing_button, close_button;
  FakeMenuItem close_all_item;
  link::OrderVariables order;
  platform::fake::ManualClock clock;
  platform::fake::FakeClock time{clock};
  platform::fake::FakeUiThread ui;
  platform::fake::FakeJournalFiles files{ui};
  link::CommandJournal journal{time, files};
  link::CommandWriter commands{{OUT_COMMAND, IN_READ_COMMAND, IN_ASK_BID, OUT_SELECTED_ORDER},
                               journal};
  // The order actions' switching, as the panel wires it.
  link::Link link{{IN_ORDERS, IN_ORDER_PROPERTY, OUT_SELECTED_ORDER, lot_field, orders_list},
                  order,
                  commands,
                  [this](bool present) {
                    for (FakeButton* b : {&stop_levels_button, &trailing_button, &close_button}) {
                      b->set_enabled(present);
                    }
                    close_all_item.set_enabled(present);
                  }};
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
  p.link.tick();
  for (auto _ : state) p.link.tick();
  benchmark::DoNotOptimize(p.orders_list.count());
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
    p.link.tick();
  }
  benchmark::DoNotOptimize(p.orders_list.item_writes());
}
BENCHMARK(BM_LinkTickEveryLineChanges)->Arg(1)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
