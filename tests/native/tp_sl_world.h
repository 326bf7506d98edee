// The SL/TP window on the in-memory form with the test value. Every timer is stopped but the
// window's own, and the link ticks by hand, so a test says when the expert answers and when the
// panel reads the answer.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "app/form.h"
#include "platform/fake/fake_platform.h"
#include "shell/layout.h"

namespace pelmora::testing {

// Buy at 1.25 with four-decimal points, stop-loss 1.245, take-profit 1.26.
inline constexpr std::string_view kBuy = "x;0;1.25;1.245;1.26;0.0001;0;0;0.01;";

struct TpSlWorld {
  platform::fake::FakeTerminal terminal;
  platform::fake::FakePlatform roles{terminal, "100"};
  platform::fake::FakeControlSet& c = roles.controls;
  app::TForm1 form{roles.roles()};

  TpSlWorld() {
    for (const shell::TimerSpec& t : shell::timers()) c.timer(t.name).set_enabled(false);
  }
  std::string text(std::string_view name) { return c.text_control(name).text(); }
  void type(std::string_view name, std::string_view text) {
    c.fake<platform::fake::FakeEdit>(name).type(text);
  }
  void click(std::string_view button) { c.fake<platform::fake::FakeButton>(button).click(); }
  // Stop-loss distance and price, then take-profit distance and price.
  std::string fields() {
    return text("Edit3") + " " + text("Edit1") + " " + text("Edit2") + " " + text("Edit4");
  }
  void select(int index) {
    c.fake<platform::fake::FakeListBox>("ORDERS_LIST_m").user_select(index);
  }
  bool in_shape(std::string_view name) {
    const auto& shape = c.window().shape();
    return std::find(shape.begin(), shape.end(), c.control(name).bounds()) != shape.end();
  }
  void tick(int ticks = 1) { roles.clock.advance(500 * ticks); }
  // The expert writes, then the link reads at one tick of its own.
  void expert(std::string_view field, std::string_view text) {
    type(field, text);
    form.link().Timer1Timer();
  }
  // An order listed, selected and read; the window opened and filled by its two load ticks.
  void open_filled(std::string_view record, std::string_view lines = "12345 (buy 0.10)\r\n") {
    expert("IN_ORDERS", lines);
    expert("IN_ORDER_PROPERTY", record);
    click("Button3");
    tick(2);
  }
};

}  // namespace pelmora::testing
