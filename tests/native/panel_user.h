// Native test support: the real TForm1 on the in-memory platform with the test value, shown,
// acting as the user and as the expert, with a journal of the shared steps an action ran.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "app/form.h"
#include "platform/fake/fake_platform.h"
#include "platform/virtual_keys.h"

namespace pelmora::testing {

using platform::fake::FakeButton;
using platform::fake::FakeControlSet;
using platform::fake::FakeEdit;
using platform::fake::FakePanel;
using platform::fake::FakePlatform;
using platform::fake::FakeSpinButtons;
using platform::fake::FakeTerminal;

struct PanelUser : ::testing::Test {
  FakeTerminal terminal;
  FakePlatform roles{terminal, "100"};
  FakeControlSet& fake = roles.controls;
  app::TForm1 form{roles.roles()};

  PanelUser() { form.Show(); }
  FakeEdit& edit(std::string_view name) { return fake.fake<FakeEdit>(name); }
  FakeButton& button(std::string_view name) { return fake.fake<FakeButton>(name); }
  FakeSpinButtons& spin(std::string_view name) { return fake.fake<FakeSpinButtons>(name); }
  std::string command() { return edit("OUT_COMMAND").text(); }
  size_t messages() { return roles.messages.messages().size(); }

  // The expert lists its open orders; the link tick mirrors them and selects the first.
  void report_orders(std::string_view lines) {
    edit("IN_ORDERS").type(lines);
    form.link().Timer1Timer();
  }

  // The steps `act` ran: "R" per RefreshPanelButtons, "C" for the command write, "W" per
  // RebuildWindowRegion, in order as far as the write shows it ("RCW" for CLOSE).
  std::string journal(const std::function<void()>& act) {
    std::string steps;
    int refreshed = refreshes();
    int rebuilt = fake.window().shape_changes();
    const auto note = [&] {
      steps.append(static_cast<size_t>(refreshes() - refreshed), 'R');
      steps.append(static_cast<size_t>(fake.window().shape_changes() - rebuilt), 'W');
      refreshed = refreshes();
      rebuilt = fake.window().shape_changes();
    };
    edit("OUT_COMMAND").set_on_change([&] { note(), steps += 'C'; });
    act();
    edit("OUT_COMMAND").set_on_change({});
    note();
    return steps;
  }
  int refreshes() {
    return static_cast<int>(std::ranges::count(fake.window().posted_keys(), platform::kVkAlt));
  }
};

}  // namespace pelmora::testing
