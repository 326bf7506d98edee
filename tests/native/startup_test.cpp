// PanelForm's start-up on the in-memory form against the fake terminal: the creation and show
// sequences, the test value, bad parameters, the end-caption rule, and the show sequence running
// again when the following tick shows the panel after hiding it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/names.h"
#include "link/exchange_fields.h"
#include "panel_world.h"
#include "settings/settings_key.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

using platform::kNoWindow;
using platform::fake::FakePanelWindow;
using PostedKey = platform::fake::FakeTerminal::PostedKey;

// The first parameter names our chart unless a test sets another before start().
struct StartUpWorld : PanelWorld {
  StartUpWorld() { program().set_first_parameter(parameter()); }
  platform::fake::FakeProgram& program() { return roles->program; }
  FakePanelWindow& window() { return c().window(); }
  void hide_and_show() {
    window().set_visible(false);
    window().set_visible(true);
  }
  // Whether every exchange field stands at `left` (in view at 736, out of sight at -10000).
  bool fields_at(int left) {
    return std::ranges::all_of(link::kExchangeFields,
                               [&](const auto& field) { return place(field.name).left == left; });
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
  // Created: speed_slider goes from its design 26 to the standard 24 of a first start, a real
  // change that sends the speed; then End, and Up six times. Shown: the speed once more.
  std::vector<PostedKey> expected = speed_keys();
  expected.push_back({slider, 0x23});
  expected.insert(expected.end(), 6, PostedKey{slider, 0x26});
  std::ranges::copy(speed_keys(), std::back_inserter(expected));
  EXPECT_EQ(terminal.posted_keys(), expected);
  EXPECT_EQ(window().caption(), "Pelmora" + parameter());
  EXPECT_EQ(window().tool_window_calls(), 1);
  EXPECT_EQ(window().attached_to(), frame);
  EXPECT_EQ(window().rect().left, -10000);
  EXPECT_TRUE(fields_at(-10000));
  EXPECT_EQ(place("IN_ASK_BID").top, 160);  // only the horizontal place changes
  EXPECT_EQ(text(names::kLotField), "0.01");
  EXPECT_EQ(text("OUT_SELECTED_ORDER"), "-1");  // the selected order was published
  EXPECT_EQ(place(names::kMainPanel), (Bounds{0, 0, 285, 257}));  // at its first place
  EXPECT_TRUE(shape_is({names::kMainPanel}));                     // the floating panels are hidden
  EXPECT_TRUE(errors().empty());
  EXPECT_EQ(program().quit_requests(), 0);
}

// Restoring the terminal shows the panel once more: the pause caption and its hint, the lot at
// the record's step and the speed (without the creation's End and Ups) follow the tester.
TEST_F(StartUp, RestoringTheTerminalRunsTheShowSequenceOnce) {
  terminal.set_text(pause, "  >>  ");
  start();
  EXPECT_EQ(c().button(names::kPauseButton).text(), ">>");
  EXPECT_EQ(c().hint(names::kPauseButton), "Продолжить тестирование");

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
  // Its owner window already sits in the chart frame: not hidden, restyled or attached again.
  EXPECT_EQ(window().tool_window_calls(), 1);
  EXPECT_EQ(window().attach_calls(), 1);
  EXPECT_EQ(c().button(names::kPauseButton).text(), "| |");
  EXPECT_EQ(c().hint(names::kPauseButton), "Приостановить тестирование");
  EXPECT_EQ(text(names::kLotField), "0.10");
  EXPECT_EQ(window().rect(), (platform::ScreenRect{102, 52, 898, 648}));
  EXPECT_EQ(terminal.posted_keys(), speed_keys());

  terminal.set_text(pause, "?");          // neither mark: the caption stays
  window().attach_owner_to(other_frame);  // the owner window was taken out of our chart
  hide_and_show();
  EXPECT_EQ(c().button(names::kPauseButton).text(), "| |");
  EXPECT_EQ(window().attached_to(), frame);
}

TEST_F(StartUp, TheTestValueLeavesEverythingInViewAndOnlyRefreshesAndRunsTheLink) {
  program().set_first_parameter("100");
  start();
  EXPECT_TRUE(terminal.posted_keys().empty());
  EXPECT_EQ(window().caption(), "Pelmora100");
  EXPECT_TRUE(fields_at(736));
  EXPECT_EQ(window().attached_to(), kNoWindow);
  EXPECT_EQ(text(names::kLotField), "0.01");

  terminal.set_foreground(FakePanelWindow::kRef);
  edit("IN_ASK_BID").set_text("1.1 / 1.2");
  edit("IN_ORDERS").set_text("A (1)\r\nB (2)\r\n");
  roles->clock.advance(300);
  EXPECT_EQ(text(names::kQuotes), "1.1 / 1.2");
  EXPECT_EQ(c().list_box(names::kOrdersList).item(1), "B (2)");
  EXPECT_EQ(c().timer(names::kLinkTimer).interval_ms(), 200);  // the link's pace stays
  EXPECT_EQ(window().rect().left, 180);                        // neither placed
  EXPECT_EQ(program().quit_requests(), 0);                     // nor ended
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
    EXPECT_EQ(w.window().caption(), "Form1") << bad;
    EXPECT_TRUE(w.fields_at(736)) << bad;
    EXPECT_EQ(w.text(names::kLotField), "1") << bad;
    EXPECT_EQ(w.window().tool_window_calls(), 0) << bad;
    EXPECT_EQ(w.window().attached_to(), kNoWindow) << bad;
    w.terminal.set_foreground(FakePanelWindow::kRef);
    w.roles->clock.advance(1000);
    EXPECT_TRUE(w.window().visible()) << bad;
    EXPECT_EQ(w.window().rect().left, 180) << bad;
    EXPECT_EQ(w.program().quit_requests(), 0) << bad;
  }
}

TEST_F(StartUp, ANumberThatIsNoWindowMovesOutOfSightAndEndsAtTheFirstGatedTick) {
  program().set_first_parameter("-5");
  start();
  EXPECT_TRUE(errors().empty());
  EXPECT_TRUE(fields_at(-10000));
  EXPECT_EQ(window().attached_to(), kNoWindow);
  roles->clock.advance(300);
  EXPECT_EQ(program().quit_requests(), 0);  // not before the panel has the keyboard
  terminal.set_foreground(FakePanelWindow::kRef);
  roles->clock.advance(300);
  EXPECT_EQ(program().quit_requests(), 1);
}

TEST_F(StartUp, AnEndCaptionForOurParameterEndsTheProgramAfterTheShowSteps) {
  terminal.add_window(kNoWindow, "Tarsel" + std::to_string(chart + 4));  // someone else's
  start();
  EXPECT_EQ(program().quit_requests(), 0);

  terminal.add_window(kNoWindow, "Tarsel" + parameter());
  edit(names::kLotField).set_text("0.50");
  hide_and_show();
  EXPECT_EQ(program().quit_requests(), 1);
  EXPECT_EQ(text(names::kLotField), "0.01");  // the remaining steps still ran
  EXPECT_EQ(window().attached_to(), frame);
}

TEST_F(StartUp, AHungTesterNeitherStopsNorBlocksTheStart) {
  for (auto hung : {tester, pause, stop}) terminal.set_hung(hung, true);
  start();
  EXPECT_TRUE(terminal.posted_keys().empty());  // the stop button could not be read
  EXPECT_EQ(c().button(names::kPauseButton).text(), "| |");
  EXPECT_EQ(window().attached_to(), frame);
}

}  // namespace
}  // namespace pelmora::testing
