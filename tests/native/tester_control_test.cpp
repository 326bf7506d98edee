// Tester control on the in-memory form against the fake terminal tree: Button1's captions and
// the click, Button2, the speed keys behind TrackBar1, F11 forwarding, and a first parameter
// that is not a number.
#include "trading/tester_control.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/virtual_keys.h"
#include "terminal/chart_windows.h"
#include "terminal_tree.h"
#include "trading/pause_button.h"

namespace pelmora::trading {
namespace {

using platform::kNoWindow;
using platform::fake::FakePanelWindow;
using PostedKey = platform::fake::FakeTerminal::PostedKey;

constexpr char kRunningHint[] = "Приостановить тестирование";
constexpr char kPausedHint[] = "Продолжить тестирование";

struct TesterWorld : testing::TerminalTree {
  explicit TesterWorld(std::string first_parameter = {})
      : roles(terminal, first_parameter.empty() ? parameter() : first_parameter) {}

  platform::fake::FakePlatform roles;
  platform::fake::FakeControlSet& fake = roles.controls;
  TesterControl tester{roles.roles()};

  void click(std::string_view name) { fake.fake<platform::fake::FakeButton>(name).click(); }
  std::string caption() { return fake.button("Button1").text(); }
  std::string hint() { return fake.hint("Button1"); }
  platform::fake::FakeSlider& slider_control() {
    return fake.fake<platform::fake::FakeSlider>("TrackBar1");
  }
  // The tester's pause button toggles its caption when clicked, as the real one does.
  void make_pause_toggle() {
    terminal.set_on_click(pause, [this] {
      terminal.set_text(pause, terminal.read_text(pause, 10) == "| |" ? ">>" : "| |");
    });
  }
  std::vector<PostedKey> speed_keys(int downs) {
    std::vector<PostedKey> keys{{slider, platform::kVkHome}};
    keys.insert(keys.end(), static_cast<size_t>(downs), PostedKey{slider, platform::kVkDown});
    return keys;
  }
};

TEST(TesterControl, Button1ShowsTheStateTheClickLeadsToAndClicksThePauseButtonOnce) {
  struct Case {
    const char* tester_text;
    bool start_paused;
    const char* caption;
    const char* hint;
  };
  const Case cases[] = {
      {"| |", false, ">>", kPausedHint},      // running: the click pauses it
      {" >> ", true, "| |", kRunningHint},    // paused: the click resumes it
      {"Пауза", false, "| |", kRunningHint},  // neither mark: the state stays
      {"", true, ">>", kPausedHint},
      {"| | >>", false, "| |", kRunningHint},  // both: the second read wins
  };
  for (const Case& c : cases) {
    TesterWorld w;
    w.terminal.set_text(w.pause, c.tester_text);
    if (c.start_paused) show_pause_state(w.fake, PauseState::kPaused);
    w.click("Button1");
    EXPECT_EQ(w.caption(), c.caption) << c.tester_text;
    EXPECT_EQ(w.hint(), c.hint) << c.tester_text;
    EXPECT_EQ(w.terminal.clicks(), std::vector{w.pause}) << c.tester_text;
    EXPECT_TRUE(w.fake.window().posted_keys().empty()) << "no RefreshPanelButtons";
  }
}

TEST(TesterControl, Button1FollowsATesterThatTogglesWithEachClick) {
  TesterWorld w;
  w.make_pause_toggle();
  for (const char* expected : {">>", "| |", ">>"}) {
    w.click("Button1");
    EXPECT_EQ(w.caption(), expected);
  }
  EXPECT_EQ(w.terminal.read_text(w.pause, 10), ">>");
}

TEST(TesterControl, Button2ClicksTheStopButtonAndLeavesButton1Alone) {
  TesterWorld w;
  w.click("Button2");
  EXPECT_EQ(w.terminal.clicks(), std::vector{w.stop});
  EXPECT_EQ(w.caption(), "| |");
  EXPECT_TRUE(w.terminal.posted_keys().empty());
}

TEST(TesterControl, TheSliderSendsHomeAndOneDownFewerThanItsPosition) {
  struct Case {
    int position;
    int downs;
  };
  for (const Case c : {Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{32, 31}}) {
    TesterWorld w;
    w.slider_control().drag_to(c.position);
    EXPECT_EQ(w.terminal.posted_keys(), w.speed_keys(c.downs)) << c.position;
    EXPECT_EQ(w.slider_control().hint(), std::to_string(c.position));
    EXPECT_EQ(w.fake.window().posted_keys(), std::vector{platform::kVkAlt}) << "refreshed first";
  }
}

TEST(TesterControl, TheSamePositionSendsNothingAndAKeyOnlyRefreshes) {
  TesterWorld w;
  w.slider_control().drag_to(26);  // where the layout puts it
  w.slider_control().drag_to(99);  // clamped to 32, then 32 again
  w.terminal.clear_records();
  w.slider_control().drag_to(32);
  EXPECT_TRUE(w.terminal.posted_keys().empty());
  w.slider_control().key_down();
  EXPECT_TRUE(w.terminal.posted_keys().empty());
  EXPECT_EQ(w.fake.window().posted_keys(), (std::vector{platform::kVkAlt, platform::kVkAlt}));
}

TEST(TesterControl, WithNoTesterToFindNothingIsClickedOrKeyed) {
  struct Case {
    const char* name;
    std::string parameter;
    bool rename_stop;
  };
  const Case cases[] = {
      {"test value", "100", false}, {"no such window", "-5", false}, {"no stop button", "", true}};
  for (const Case& c : cases) {
    TesterWorld w(c.parameter);
    if (c.rename_stop) w.terminal.set_text(w.stop, "Stop");
    w.terminal.set_text(w.pause, ">>");
    w.click("Button1");
    w.click("Button2");
    w.slider_control().drag_to(5);
    EXPECT_EQ(w.caption(), "| |") << c.name;
    EXPECT_TRUE(w.terminal.clicks().empty()) << c.name;
    EXPECT_TRUE(w.terminal.posted_keys().empty()) << c.name;
    EXPECT_EQ(w.slider_control().hint(), "5") << c.name;
    EXPECT_TRUE(w.roles.messages.errors().empty()) << c.name;
  }
}

TEST(TesterControl, F11GoesToTheChartAtEachTickWhileThePanelHasTheKeyboardAndTheKeyIsDown) {
  struct Case {
    bool panel_in_front;
    bool key_down;
    bool forwarded;
  };
  const Case cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
  for (const Case c : cases) {
    TesterWorld w;
    w.terminal.set_foreground(c.panel_in_front ? FakePanelWindow::kRef : w.main);
    w.terminal.set_key_down(platform::kVkF11, c.key_down);
    w.roles.clock.advance(400);  // held for two ticks
    const std::vector<PostedKey> expected(c.forwarded ? 2 : 0, {w.chart, platform::kVkF11});
    EXPECT_EQ(w.terminal.posted_keys(), expected) << c.panel_in_front << c.key_down;
  }
}

TEST(TesterControl, AParameterThatIsNoNumberFailsLoudlyExceptForStop) {
  TesterWorld w("abc");
  EXPECT_THROW(w.click("Button1"), pelmora::terminal::InvalidInteger);
  EXPECT_THROW(w.slider_control().drag_to(3), pelmora::terminal::InvalidInteger);
  EXPECT_EQ(w.slider_control().hint(), "") << "the failure stops the handler";
  EXPECT_NO_THROW(w.click("Button2"));
  EXPECT_EQ(w.caption(), "| |");

  // F11 forwarding reads the parameter only once F11 is down with the panel in front.
  w.roles.clock.advance(400);
  w.terminal.set_foreground(FakePanelWindow::kRef);
  w.roles.clock.advance(400);
  EXPECT_TRUE(w.roles.messages.errors().empty());
  w.terminal.set_key_down(platform::kVkF11, true);
  w.roles.clock.advance(200);
  EXPECT_EQ(w.roles.messages.errors(),
            std::vector<std::string>{"'abc' is not a valid integer value"});
  EXPECT_TRUE(w.terminal.clicks().empty());
  EXPECT_TRUE(w.terminal.posted_keys().empty());
}

// Boxes during whose life the panel's timers keep firing, as they do inside a real modal box's
// own message loop.
class BoxesWithTicks final : public platform::MessageBoxes {
 public:
  void show_message(std::string_view) override {}
  void show_error(std::string_view) override {
    ++errors;
    if (errors < 10 && while_open) while_open();  // bounded, should the ticks open boxes
  }
  int errors = 0;
  platform::Handler while_open;
};

TEST(TesterControl, AHeldF11WithABadParameterOpensOneErrorBoxAtATime) {
  platform::fake::FakeTerminal terminal;
  platform::fake::FakePlatform roles(terminal, "abc");
  BoxesWithTicks boxes;
  TesterControl tester({roles.controls, terminal, roles.program, boxes, roles.ui});
  boxes.while_open = [&] {
    for (int i = 0; i < 3; ++i) tester.Timer4Timer();
  };
  terminal.set_foreground(FakePanelWindow::kRef);
  terminal.set_key_down(platform::kVkF11, true);
  tester.Timer4Timer();
  EXPECT_EQ(boxes.errors, 1);
  tester.Timer4Timer();  // once it is closed, the next tick may report again
  EXPECT_EQ(boxes.errors, 2);
}

}  // namespace
}  // namespace pelmora::trading
