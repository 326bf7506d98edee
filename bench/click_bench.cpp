// The native core's share of an order: from a BUY click entering its handler to the command
// standing in OUT_COMMAND, with PanelForm over the in-memory platform.
#include <benchmark/benchmark.h>

#include <chrono>

#include "app/panel_form.h"
#include "form/names.h"
#include "link/exchange_fields.h"
#include "platform/fake/fake_platform.h"

namespace {

using namespace pelmora;
namespace names = pelmora::form::names;
using Clock = std::chrono::steady_clock;
using platform::fake::FakeButton;
using platform::fake::FakeEdit;

void BM_BuyClickToCommand(benchmark::State& state) {
  platform::fake::FakeTerminal terminal;
  platform::fake::FakePlatform roles{terminal, "100"};  // the test value: no terminal to find
  app::PanelForm form{roles.roles()};
  form.Show();
  auto& buy = roles.controls.fake<FakeButton>(names::kBuyButton);
  auto& out = roles.controls.fake<FakeEdit>(link::kOutCommand.name);
  // The change event fires inside the write, so it marks the moment the command stands there.
  Clock::time_point written;
  out.set_on_change([&] { written = Clock::now(); });
  for (auto _ : state) {
    out.set_text("");  // the expert's acknowledgement, outside the measured span
    const auto entered = Clock::now();
    buy.click();
    if (out.text().empty()) {
      state.SkipWithError("the click wrote no command");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(written - entered).count());
  }
}
BENCHMARK(BM_BuyClickToCommand)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
