// TForm1's start-up on the in-memory form against the fake terminal: the creation and show
// sequences, the test value, bad parameters, the end-caption rule, and the show sequence running
// again when the following tick shows the panel after hiding it.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/form.h"
#include "link/exchange_fields.h"
#include "platform/fake/fake_platform.h"
#include "terminal_tree.h"

namespace pelmora::app {
namespace {

using platform::Bounds;
using platform::kNoWindow;
using platform::fake::FakePanelWindow;
using PostedKey = platform::fake::FakeTerminal::PostedKey;

struct StartUpWorld : testing::TerminalTree {
  platform::fake::FakePlatform roles{terminal, parameter()};
  platform::fake::ManualClock& clock = roles.clock;
  platform::fake::FakeProgram& program = roles.program;
  platform::fake::FakeControlSet* fake = &roles.controls;
  std::optional<TForm1> form;

  // Program entry: the form is created, then shown.
  void start() {
    form.emplace(roles.roles());
    form->Show();
  }
  FakePanelWindow& window() { return fake->window(); }
  void hide_and_show() {
    window().set_visible(false);
    window().set_visible(true);
  }
  // Whether every exchange field stands at `left` (in view at 736, out of sight at -10000).
  bool fields_at(int left) {
    for (const auto& field : link::kExchangeFields) {
      if (fake->control(field.name).bounds().left != left) return false;
    }
    return true;
  }
};

struct StartUp : ::testing::Test, StartUpWorld {};

TEST_F(StartUp, AttachesToTheChartAndResetsTheTesterSpeed) {
  start();
  // Created: TrackBar1 goes from its design 26 to the standard 24 of a first start, a real
  // change that sends Home and Down once fewer than 24; then End, and Up six times.
  std::vector<PostedKey> expected{{slider, 0x24}};
  expected.insert(expected.end(), 23, PostedKey{slider, 0x28});
  expected.push_back({slider, 0x23});
  expected.insert(expected.end(), 6, PostedKey{slider, 0x26});
  expected.push_back({slider, 0x24});  // shown: the speed once more
  expected.insert(expected.end(), 23, PostedKey{slider, 0x28});
  EXPECT_EQ(terminal.posted_keys(), expected);
  EXPECT_EQ(window().caption(), "Pelmora" + parameter());
  EXPECT_EQ(window().tool_window_calls(), 1);
  EXPECT_EQ(window().attached_to(), frame);
  EXPECT_EQ(window().rect().left, -10000);
  EXPECT_TRUE(fields_at(-10000));
  EXPECT_EQ(fake->control("IN_ASK_BID").bounds().top, 160);  // only the horizontal place changes
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");
  EXPECT_EQ(fake->edit("OUT_SELECTED_ORDER").text(), "-1");      // the selected order was published
  EXPECT_EQ(window().shape().back(), (Bounds{0, 0, 285, 257}));  // main alone, at its first place
  EXPECT_TRUE(roles.messages.errors().empty());
  EXPECT_EQ(program.quit_requests(), 0);
}

TEST_F(StartUp, ThePauseCaptionItsHintAndTheLotFollowTheTesterAtEveryShow) {
  terminal.set_text(pause, "  >>  ");
  start();
  EXPECT_EQ(fake->button("Button1").text(), ">>");
  EXPECT_EQ(fake->hint("Button1"), "Продолжить тестирование");

  terminal.set_text(pause, "| |");
  fake->edit("IN_ORDER_PROPERTY").set_text("x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;");
  hide_and_show();
  EXPECT_EQ(fake->button("Button1").text(), "| |");
  EXPECT_EQ(fake->hint("Button1"), "Приостановить тестирование");
  EXPECT_EQ(fake->edit("Edit12").text(), "0.10");

  terminal.set_text(pause, "?");  // neither mark: the caption stays
  hide_and_show();
  EXPECT_EQ(fake->button("Button1").text(), "| |");
}

TEST_F(StartUp, TheTestValueLeavesEverythingInViewAndOnlyRefreshesAndRunsTheLink) {
  program.set_first_parameter("100");
  start();
  EXPECT_TRUE(terminal.posted_keys().empty());
  EXPECT_EQ(window().caption(), "Pelmora100");
  EXPECT_TRUE(fields_at(736));
  EXPECT_EQ(window().attached_to(), kNoWindow);
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");

  terminal.set_foreground(FakePanelWindow::kRef);
  fake->edit("IN_ASK_BID").set_text("1.1 / 1.2");
  fake->edit("IN_ORDERS").set_text("A (1)\r\nB (2)\r\n");
  clock.advance(300);
  EXPECT_EQ(fake->text_control("Label10").text(), "1.1 / 1.2");
  EXPECT_EQ(fake->list_box("ORDERS_LIST_m").item(1), "B (2)");
  EXPECT_EQ(fake->timer("Timer1").interval_ms(), 200);  // the link's pace stays
  EXPECT_EQ(window().rect().left, 180);                 // neither placed
  EXPECT_EQ(program.quit_requests(), 0);                // nor ended
}

TEST(StartUpBad, ABadParameterShowsTheErrorBoxAndRunsOnUnattached) {
  for (const char* bad : {"", "abc", "1e3", "4294967296"}) {
    StartUpWorld w;
    w.program.set_first_parameter(bad);
    w.start();
    EXPECT_EQ(w.roles.messages.errors(),
              std::vector<std::string>{"'" + std::string(bad) + "' is not a valid integer value"});
    EXPECT_TRUE(w.terminal.posted_keys().empty()) << bad;
    EXPECT_EQ(w.window().caption(), "Form1") << bad;
    EXPECT_TRUE(w.fields_at(736)) << bad;
    EXPECT_EQ(w.fake->edit("Edit12").text(), "1") << bad;
    EXPECT_EQ(w.window().tool_window_calls(), 0) << bad;
    EXPECT_EQ(w.window().attached_to(), kNoWindow) << bad;
    w.terminal.set_foreground(FakePanelWindow::kRef);
    w.clock.advance(1000);  // following ticks end silently
    EXPECT_TRUE(w.window().visible()) << bad;
    EXPECT_EQ(w.window().rect().left, 180) << bad;
    EXPECT_EQ(w.program.quit_requests(), 0) << bad;
  }
}

TEST_F(StartUp, ANumberThatIsNoWindowMovesOutOfSightAndEndsAtTheFirstGatedTick) {
  program.set_first_parameter("-5");
  start();
  EXPECT_TRUE(roles.messages.errors().empty());
  EXPECT_TRUE(fields_at(-10000));
  EXPECT_EQ(window().attached_to(), kNoWindow);
  clock.advance(300);
  EXPECT_EQ(program.quit_requests(), 0);  // not before the panel has the keyboard
  terminal.set_foreground(FakePanelWindow::kRef);
  clock.advance(300);
  EXPECT_EQ(program.quit_requests(), 1);
}

TEST_F(StartUp, AnEndCaptionForOurParameterEndsTheProgramAfterTheShowSteps) {
  terminal.add_window(kNoWindow, "Tarsel" + std::to_string(chart + 4));  // someone else's
  start();
  EXPECT_EQ(program.quit_requests(), 0);

  terminal.add_window(kNoWindow, "Tarsel" + parameter());
  hide_and_show();
  EXPECT_EQ(program.quit_requests(), 1);
  EXPECT_EQ(window().tool_window_calls(), 2);  // the remaining steps still ran
  EXPECT_EQ(window().attached_to(), frame);
}

TEST_F(StartUp, RestoringTheTerminalRunsTheShowSequenceOnceAndSendsTheSpeedAgain) {
  start();
  terminal.set_foreground(main);
  fake->edit("Edit12").set_text("0.50");
  terminal.set_minimised(main, true);
  clock.advance(300);
  EXPECT_FALSE(window().visible());
  terminal.clear_records();
  terminal.set_minimised(main, false);
  clock.advance(600);
  EXPECT_EQ(window().tool_window_calls(), 2);  // shown once more, not at every tick
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");
  EXPECT_EQ(window().rect(), (platform::ScreenRect{102, 52, 898, 648}));
  std::vector<PostedKey> speed{{slider, 0x24}};  // no End and Ups: those are the creation's
  speed.insert(speed.end(), 23, PostedKey{slider, 0x28});
  EXPECT_EQ(terminal.posted_keys(), speed);
}

TEST_F(StartUp, AHungTesterNeitherStopsNorBlocksTheStart) {
  for (auto hung : {tester, pause, stop}) terminal.set_hung(hung, true);
  start();
  EXPECT_TRUE(terminal.posted_keys().empty());  // the stop button could not be read
  EXPECT_EQ(fake->button("Button1").text(), "| |");
  EXPECT_EQ(window().caption(), "Pelmora" + parameter());
  EXPECT_EQ(window().attached_to(), frame);
}

}  // namespace
}  // namespace pelmora::app
