// Start-up on the in-memory form against the fake terminal: the creation and show sequences, the
// test value, parameters that name no window or no number, the end caption, and the show
// sequence running again when the following tick shows the panel after hiding it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/names.h"
#include "link/exchange_fields.h"
#include "panel_world.h"
#include "settings/settings_key.h"

namespace pelmora::testing {
namespace {

using platform::kNoWindow;
using platform::fake::FakePanelWindow;
using PostedKey = platform::fake::FakeTerminal::PostedKey;

// The first parameter names our chart unless a test sets another before start().
struct StartUpWorld : PanelWorld {
  StartUpWorld() { program().set_first_parameter(parameter()); }
  platform::fake::FakeProgram& program() { return roles->program; }
  FakePanelWindow& window() { return c().window(); }
  // Caption, tool-window restylings, what owns the panel, where the window and the exchange
  // fields stand (in view at 180 and 736, out of sight at -10000), the lot, ends asked for.
  std::string state() {
    const auto owner = window().attached_to();
    std::string fields = std::to_string(place("IN_ORDERS").left);
    for (const auto& f : link::kExchangeFields) {
      if (place(f.name).left != place("IN_ORDERS").left) fields = "apart";
    }
    return window().caption() + " tool " + std::to_string(window().tool_window_calls()) +
           " owner " + (owner == frame ? "frame" : std::to_string(owner)) + " at " +
           std::to_string(window().rect().left) + " fields " + fields + " lot " +
           text(names::kLotField) + " quit " + std::to_string(program().quit_requests());
  }
  // Home, then Down once fewer than the standard 24: the speed sent to the tester.
  std::vector<PostedKey> speed_keys() {
    std::vector<PostedKey> keys{{slider, 0x24}};
    keys.insert(keys.end(), 23, PostedKey{slider, 0x28});
    return keys;
  }
};
struct StartUp : ::testing::Test, StartUpWorld {};

TEST_F(StartUp, AttachesToTheChartAndResetsTheTesterSpeed) {
  start();
  // Created: the slider goes from its design 26 to the standard 24 of a first start, a real
  // change that sends the speed; then End, and Up six times. Shown: the speed once more.
  std::vector<PostedKey> expected = speed_keys();
  expected.push_back({slider, 0x23});
  expected.insert(expected.end(), 6, PostedKey{slider, 0x26});
  std::ranges::copy(speed_keys(), std::back_inserter(expected));
  EXPECT_EQ(terminal.posted_keys(), expected);
  EXPECT_EQ(state(), "Pelmora" + parameter() +
                         " tool 1 owner frame at -10000 fields -10000 lot "
                         "0.01 quit 0");
  EXPECT_EQ(place("IN_ASK_BID").top, 160);      // only the horizontal place changes
  EXPECT_EQ(text("OUT_SELECTED_ORDER"), "-1");  // the selected order was published
  EXPECT_TRUE(shape_is({names::kMainPanel}));   // the floating panels are hidden
  EXPECT_TRUE(errors().empty());
}

// Restoring the terminal shows the panel once more: the pause caption and its hint, the lot at
// the record's step and the speed (without the creation's End and Ups) follow the tester.
TEST_F(StartUp, RestoringTheTerminalRunsTheShowSequenceOnce) {
  terminal.set_text(pause, "  >>  ");
  start();
  EXPECT_EQ(c().button(names::kPauseButton).text() + c().hint(names::kPauseButton),
            ">>Продолжить тестирование (Shift+P)");
  terminal.set_text(pause, "| |");
  edit("IN_ORDER_PROPERTY").set_text("x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;");
  edit(names::kLotField).set_text("0.50");
  terminal.set_foreground(main);
  terminal.set_minimised(main, true);
  roles->clock.advance(300);
  EXPECT_FALSE(window().visible());
  terminal.clear_records();
  terminal.set_minimised(main, false);
  roles->clock.advance(600);
  // Its owner window already sits in the chart frame: not restyled or attached again.
  EXPECT_EQ(state(), "Pelmora" + parameter() +
                         " tool 1 owner frame at 102 fields -10000 lot "
                         "0.10 quit 0");
  EXPECT_EQ(window().attach_calls(), 1);
  EXPECT_EQ(c().button(names::kPauseButton).text() + c().hint(names::kPauseButton),
            "| |Приостановить тестирование (Shift+P)");
  EXPECT_EQ(terminal.posted_keys(), speed_keys());

  terminal.set_text(pause, "?");          // neither mark: the caption stays
  window().attach_owner_to(other_frame);  // the owner window was taken out of our chart
  window().set_visible(false);
  window().set_visible(true);
  EXPECT_EQ(c().button(names::kPauseButton).text(), "| |");
  EXPECT_EQ(window().attached_to(), frame);
}

// The test value and a number that names no window attach to nothing, yet the panel is a tool
// window all the same; the test value stays in view and only refreshes and runs the link, while
// a number that is no window moves out of sight and ends at the first tick with the keyboard.
TEST_F(StartUp, TheTestValueOrANumberThatIsNoWindowStillMakeAToolWindow) {
  for (const char* parameter : {"100", "-5"}) {
    program().set_first_parameter(parameter);
    terminal.set_foreground(kNoWindow);
    start();
    const bool test_value = parameter == std::string("100");
    EXPECT_EQ(state(), std::string("Pelmora") + parameter + " tool 1 owner 0 at " +
                           (test_value ? "180 fields 736" : "-10000 fields -10000") +
                           " lot 0.01 quit 0");
    EXPECT_TRUE(terminal.posted_keys().empty() && errors().empty());
    edit("IN_ASK_BID").set_text("1.1 / 1.2");
    edit("IN_ORDERS").set_text("A (1)\r\nB (2)\r\n");
    roles->clock.advance(300);
    EXPECT_EQ(program().quit_requests(), 0);  // not before the panel has the keyboard
    terminal.set_foreground(FakePanelWindow::kRef);
    roles->clock.advance(300);
    EXPECT_EQ(program().quit_requests(), test_value ? 0 : 1);
    if (!test_value) continue;
    EXPECT_EQ(text(names::kQuotes), "1.1 / 1.2");
    EXPECT_EQ(c().list_box(names::kOrdersList).item(1), "B (2)");
    EXPECT_EQ(c().timer(names::kLinkTimer).interval_ms(), 200);  // the link's pace stays
    EXPECT_EQ(window().rect().left, 180);                        // never placed
  }
}

// One error box, and the run goes on unattached: the settings still load (a stored speed the
// tester cannot be sent) and the following ticks end silently.
TEST(StartUpBad, ABadParameterShowsTheErrorBoxAndRunsOnUnattached) {
  for (const char* bad : {"", "abc", "1e3", "4294967296"}) {
    StartUpWorld w;
    const std::string key = settings::settings_key_path("_Trade_Panel");
    w.store.put(SettingsRoot::kMachine, key, "TrackBarPos", 9);
    w.store.put(SettingsRoot::kMachine, key, "NewVersion_Type", 1);
    w.program().set_first_parameter(bad);
    w.start();
    EXPECT_EQ(w.errors(),
              std::vector<std::string>{"'" + std::string(bad) + "' is not a valid integer value"});
    EXPECT_TRUE(w.terminal.posted_keys().empty()) << bad;
    EXPECT_EQ(w.c().slider(names::kSpeedSlider).position(), 9) << bad;
    EXPECT_EQ(w.form->settings().update_mode, 1) << bad;  // the load went on past the slider
    w.terminal.set_foreground(FakePanelWindow::kRef);
    w.roles->clock.advance(1000);
    EXPECT_EQ(w.state(), "Form1 tool 0 owner 0 at 180 fields 736 lot 1 quit 0") << bad;
    EXPECT_TRUE(w.window().visible()) << bad;
  }
}

TEST_F(StartUp, AnEndCaptionForOurParameterEndsTheProgramAfterTheShowStepsAndAHungTesterBlocksNot) {
  terminal.add_window(kNoWindow, "Tarsel" + std::to_string(chart + 4));  // someone else's
  for (auto hung : {tester, pause, stop}) terminal.set_hung(hung, true);
  start();
  EXPECT_EQ(program().quit_requests(), 0);
  EXPECT_TRUE(terminal.posted_keys().empty());  // the stop button could not be read
  EXPECT_EQ(c().button(names::kPauseButton).text(), "| |");

  terminal.add_window(kNoWindow, "Tarsel" + parameter());
  edit(names::kLotField).set_text("0.50");
  window().set_visible(false);
  window().set_visible(true);
  EXPECT_EQ(state(), "Pelmora" + parameter() +
                         " tool 1 owner frame at -10000 fields -10000 lot "
                         "0.01 quit 1");  // the remaining steps still ran
}

}  // namespace
}  // namespace pelmora::testing
