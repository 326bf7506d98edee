// Native test support: the real PanelForm on the in-memory platform over the fake terminal tree,
// with one settings store that outlives each run as the registry outlives the program. A test
// acts as the user, as the expert writing the link's IN fields, and as the terminal.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/panel_form.h"
#include "form/layout.h"
#include "form/names.h"
#include "link/exchange_fields.h"
#include "platform/fake/fake_platform.h"
#include "platform/virtual_keys.h"
#include "terminal_tree.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;

using platform::Bounds;
using platform::MouseButton;
using platform::SettingsRoot;
using platform::fake::FakeButton;
using platform::fake::FakeControlSet;
using platform::fake::FakeEdit;
using platform::fake::FakePanel;
using platform::fake::FakePlatform;
using platform::fake::FakeSettingsStore;

// Buy at 1.25 with four-decimal points, stop-loss 1.245, take-profit 1.26.
inline constexpr std::string_view kBuy = "x;0;1.25;1.245;1.26;0.0001;0;0;0.01;";

struct PanelWorld : TerminalTree {
  static constexpr const char* kProgram = R"(C:\Trade\Panel\pelmora.exe)";

  FakeSettingsStore store;
  std::unique_ptr<FakePlatform> roles = renewed("100");
  std::optional<app::PanelForm> form;
  int runs = 0;
  int dpi = 96;  // the scale of the monitor each run starts on

  ~PanelWorld() { form.reset(); }

  // Program entry: the form is created, then shown. A later run starts on fresh controls with
  // the first run's parameter, over the same terminal and store.
  void start() {
    form.reset();
    if (runs++ > 0) roles = renewed(roles->program.first_parameter());
    roles->controls.window().set_dpi(dpi);
    const platform::Platform p = roles->roles();
    form.emplace(platform::Platform{p.controls, p.terminal, p.program, p.messages, p.ui, p.locale,
                                    p.http, p.desktop, store, p.clock, p.journal});
    form->Show();
  }
  // The end of the run: the form is destroyed, which saves.
  void leave() { form.reset(); }
  // Every timer stopped, so a test ticks the link and the windows by hand.
  void stop_timers() {
    for (const form::TimerSpec& t : form::timers()) c().timer(t.name).set_enabled(false);
  }

  FakeControlSet& c() { return roles->controls; }
  FakeEdit& edit(std::string_view name) { return c().fake<FakeEdit>(name); }
  FakeButton& button(std::string_view name) { return c().fake<FakeButton>(name); }
  std::string text(std::string_view name) { return c().text_control(name).text(); }
  void type(std::string_view name, std::string_view text) { edit(name).type(text); }
  void click(std::string_view name) { button(name).click(); }
  Bounds place(std::string_view name) { return c().control(name).bounds(); }
  bool in_shape(std::string_view name) {
    return std::ranges::count(c().window().shape(), place(name)) == 1;
  }
  // The window's shape is made of exactly these panels' places and the exchange fields'.
  bool shape_is(std::initializer_list<std::string_view> panels) {
    std::vector<Bounds> expected;
    for (std::string_view name : panels) expected.push_back(place(name));
    for (const auto& field : link::kExchangeFields) expected.push_back(place(field.name));
    return std::ranges::is_permutation(c().window().shape(), expected);
  }
  std::string command() { return text("OUT_COMMAND"); }
  size_t messages() { return roles->messages.messages().size(); }
  const std::vector<std::string>& errors() { return roles->messages.errors(); }

  // The expert writes, then the link reads at one tick of its own.
  void expert(std::string_view field, std::string_view text) {
    type(field, text);
    form->link().tick();
  }
  // The expert lists its open orders; the link tick mirrors them and selects the first.
  void report_orders(std::string_view lines) { expert("IN_ORDERS", lines); }

  // The steps `act` ran: "R" per refresh_panel_buttons, "C" for the command write, "W" per
  // rebuild_window_region, in order as far as the write shows it ("RCW" for CLOSE).
  std::string journal(const std::function<void()>& act) {
    std::string steps;
    int refreshed = refreshes();
    int rebuilt = c().window().shape_changes();
    const auto note = [&] {
      steps.append(static_cast<size_t>(refreshes() - refreshed), 'R');
      steps.append(static_cast<size_t>(c().window().shape_changes() - rebuilt), 'W');
      refreshed = refreshes();
      rebuilt = c().window().shape_changes();
    };
    edit("OUT_COMMAND").set_on_change([&] { note(), steps += 'C'; });
    act();
    edit("OUT_COMMAND").set_on_change({});
    note();
    return steps;
  }
  int refreshes() {
    return static_cast<int>(std::ranges::count(c().window().posted_keys(), platform::kVkAlt));
  }

 private:
  std::unique_ptr<FakePlatform> renewed(std::string first_parameter) {
    auto fresh = std::make_unique<FakePlatform>(terminal, std::move(first_parameter));
    fresh->program.set_program_path(kProgram);
    return fresh;
  }
};

// The SL/TP window's world, started with every timer stopped but the window's own once it opens:
// a test says when the expert answers and when the panel reads the answer.
struct TpSlWorld : PanelWorld {
  TpSlWorld() {
    start();
    stop_timers();
  }
  // Stop-loss distance and price, then take-profit distance and price.
  std::string fields() {
    return text(names::kStopLossDistance) + " " + text(names::kStopLossPrice) + " " +
           text(names::kTakeProfitDistance) + " " + text(names::kTakeProfitPrice);
  }
  void select(int index) {
    c().fake<platform::fake::FakeListBox>(names::kOrdersList).user_select(index);
  }
  void tick(int ticks = 1) { roles->clock.advance(500 * ticks); }
  // An order listed, selected and read; the window opened and filled by its two load ticks.
  void open_filled(std::string_view record, std::string_view lines = "12345 (buy 0.10)\r\n") {
    expert("IN_ORDERS", lines);
    expert("IN_ORDER_PROPERTY", record);
    click(names::kStopLevelsButton);
    tick(2);
  }
};

// The world already started, as a gtest fixture.
struct PanelUser : ::testing::Test, PanelWorld {
  PanelUser() { start(); }
};

}  // namespace pelmora::testing
