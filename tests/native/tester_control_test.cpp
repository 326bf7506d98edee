// Tester control against the fake terminal tree: the pause button's captions and the click, the
// stop button, the speed keys behind the speed slider, F11 forwarding, and a first parameter that
// names no tester or is no number.
#include "trading/tester_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/names.h"
#include "platform/fake/fake_platform.h"
#include "platform/virtual_keys.h"
#include "terminal/chart_windows.h"
#include "terminal_tree.h"
#include "trading/pause_button.h"

namespace pelmora::trading {

namespace names = pelmora::form::names;
namespace {

using platform::kVkF11;
using platform::fake::FakePanelWindow;
using PostedKey = platform::fake::FakeTerminal::PostedKey;

struct TesterWorld : testing::TerminalTree {
  explicit TesterWorld(std::string first_parameter = {})
      : roles(terminal, first_parameter.empty() ? parameter() : first_parameter) {}

  platform::fake::FakePlatform roles;
  platform::fake::FakeControlSet& fake = roles.controls;
  form::HintKeys keys;
  TesterControl tester{roles.roles(), keys};

  void click(std::string_view name) { fake.fake<platform::fake::FakeButton>(name).click(); }
  // The pause button's caption and hint.
  std::string pause_button() {
    return fake.button(names::kPauseButton).text() + " " + fake.hint(names::kPauseButton);
  }
  platform::fake::FakeSlider& track() {
    return fake.fake<platform::fake::FakeSlider>(names::kSpeedSlider);
  }
};

TEST(TesterControl, PauseButtonShowsTheStateTheClickLeadsToAndClicksThePauseButtonOnce) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"| |", false, ">> Продолжить тестирование"},  // running: the click pauses it
      {" >> ", true, "| | Приостановить тестирование"},
      {"Пауза", false, "| | Приостановить тестирование"},  // neither mark: the state stays
      {"", true, ">> Продолжить тестирование"},
      {"| | >>", false, "| | Приостановить тестирование"}};  // both: the second read wins
  for (const auto& [tester_text, start_paused, shown] : cases) {
    TesterWorld w;
    w.terminal.set_text(w.pause, tester_text);
    // The tester changes its caption as it handles the click: the reads must come before.
    w.terminal.set_on_click(w.pause, [&w] { w.terminal.set_text(w.pause, "?"); });
    if (start_paused) show_pause_state(w.fake, PauseState::kPaused, w.keys);
    w.click(names::kPauseButton);
    EXPECT_EQ(w.pause_button(), shown) << tester_text;
    EXPECT_EQ(w.terminal.clicks(), std::vector{w.pause}) << tester_text;
    EXPECT_TRUE(w.fake.window().posted_keys().empty()) << "no refresh_panel_buttons";
  }
  TesterWorld w;
  w.click(names::kStopButton);
  EXPECT_EQ(w.terminal.clicks(), std::vector{w.stop});
}

TEST(TesterControl, TheSliderSendsHomeAndOneDownFewerThanItsPositionAtEachRealChange) {
  for (const int position : {0, 1, 2, 32, 26}) {  // 26: where it stands already
    TesterWorld w;
    w.track().drag_to(position);
    const bool moved = position != 26;
    std::vector<PostedKey> expected;
    if (moved) expected.push_back({w.slider, platform::kVkHome});
    if (moved && position > 1) {
      expected.insert(expected.end(), position - 1, {w.slider, platform::kVkDown});
    }
    EXPECT_EQ(w.terminal.posted_keys(), expected) << position;
    EXPECT_EQ(w.track().hint(), moved ? std::to_string(position) : "");
    // Alt on the panel window is refresh_panel_buttons, run first; the key handler runs only that.
    EXPECT_EQ(w.fake.window().posted_keys().size(), moved ? 1u : 0u);
    w.track().key_down();
    EXPECT_EQ(w.terminal.posted_keys(), expected) << position;
    EXPECT_EQ(w.fake.window().posted_keys().back(), platform::kVkAlt);
  }
}

// No tester to find: nothing is clicked or keyed and nothing reported. A parameter that is no
// number fails loudly, except for the stop button.
TEST(TesterControl, WithNoTesterNothingIsClickedOrKeyedAndANonNumberFailsLoudlyButForStop) {
  for (const char* parameter : {"100", "-5", ""}) {  // "": our chart, without a stop button
    TesterWorld w(parameter);
    w.terminal.set_text(w.stop, "Stop");
    w.terminal.set_text(w.pause, ">>");
    w.click(names::kPauseButton);
    w.click(names::kStopButton);
    w.track().drag_to(5);
    EXPECT_EQ(w.pause_button(), "| | Приостановить тестирование") << parameter;
    EXPECT_TRUE(w.terminal.clicks().empty() && w.terminal.posted_keys().empty()) << parameter;
    EXPECT_EQ(w.track().hint(), "5") << parameter;
    EXPECT_TRUE(w.roles.messages.errors().empty()) << parameter;
  }
  TesterWorld w("abc");
  w.click(names::kPauseButton);
  w.track().drag_to(3);
  EXPECT_EQ(w.track().hint(), "") << "the failure stops the handler";
  w.click(names::kStopButton);
  EXPECT_EQ(w.roles.messages.errors(),
            std::vector<std::string>(2, "'abc' is not a valid integer value"));
}

TEST(TesterControl, F11GoesToTheChartAtEachTickWhileThePanelHasTheKeyboardAndTheKeyIsDown) {
  for (const auto& [panel_in_front, key_down] :
       {std::pair{true, true}, {true, false}, {false, true}}) {
    TesterWorld w;
    w.terminal.set_foreground(panel_in_front ? FakePanelWindow::kRef : w.main);
    w.terminal.set_key_down(kVkF11, key_down);
    w.roles.clock.advance(400);
    EXPECT_EQ(w.terminal.posted_keys(),
              std::vector<PostedKey>(panel_in_front && key_down ? 2 : 0, {w.chart, kVkF11}))
        << panel_in_front << key_down;
  }
}

// Boxes during whose life the panel's timers keep firing, as inside a real modal box's loop.
struct BoxesWithTicks final : platform::MessageBoxes {
  void show_message(std::string_view) noexcept override {}
  void show_error(std::string_view text) noexcept override {
    last = text;
    if (++errors < 10 && while_open) while_open();  // bounded, should the ticks open boxes
  }
  int errors = 0;
  std::string last;
  platform::Handler while_open;
};

TEST(TesterControl, AHeldF11WithABadParameterOpensOneErrorBoxAtATime) {
  platform::fake::FakeTerminal terminal;
  platform::fake::FakePlatform roles(terminal, "abc");
  BoxesWithTicks boxes;
  platform::Platform p = roles.roles();
  const form::HintKeys keys;
  TesterControl tester({p.controls, p.terminal, p.program, boxes, p.ui, p.locale, p.http, p.desktop,
                        p.settings, p.clock, p.journal},
                       keys);
  boxes.while_open = [&tester] {
    for (int i = 0; i < 3; ++i) tester.f11_tick();
  };
  terminal.set_foreground(FakePanelWindow::kRef);
  tester.f11_tick();  // the parameter is read only once F11 is down with the panel in front
  EXPECT_EQ(boxes.errors, 0);
  terminal.set_key_down(kVkF11, true);
  tester.f11_tick();
  EXPECT_EQ(boxes.errors, 1);
  EXPECT_EQ(boxes.last, "'abc' is not a valid integer value");
  tester.f11_tick();  // once it is closed, the next tick may report again
  EXPECT_EQ(boxes.errors, 2);
}

}  // namespace
}  // namespace pelmora::trading
