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
#include "platform/fake/fake_control_set.h"
#include "platform/fake/fake_program.h"
#include "terminal_tree.h"

namespace pelmora::app {
namespace {

using platform::Bounds;
using platform::kNoWindow;
using platform::fake::FakeControlSet;
using platform::fake::FakeProgram;
using platform::fake::FakeTerminal;
using PostedKey = FakeTerminal::PostedKey;

constexpr int kEnd = 0x23;
constexpr int kUp = 0x26;

struct StartUpWorld : testing::TerminalTree {
  platform::fake::ManualClock clock;
  FakeProgram program{parameter()};
  FakeControlSet* fake = nullptr;
  std::optional<TForm1> form;

  // Program entry: the form is created, then shown.
  void start() {
    form.emplace(
        [this] {
          auto set = std::make_unique<FakeControlSet>(clock);
          fake = set.get();
          return set;
        },
        terminal, program);
    form->Show();
  }
  platform::fake::FakePanelWindow& window() { return fake->window(); }
  Bounds place(std::string_view name) { return fake->control(name).bounds(); }
  bool fields_out_of_sight() {
    for (const auto& field : link::kExchangeFields) {
      if (place(field.name).left != -10000) return false;
    }
    return true;
  }
  bool fields_in_view() {
    for (const auto& field : link::kExchangeFields) {
      if (place(field.name).left != 736) return false;
    }
    return true;
  }
};

struct StartUpFixture : ::testing::Test, StartUpWorld {};

TEST_F(StartUpFixture, AttachesToTheChartAndResetsTheTesterSpeed) {
  terminal.set_text(pause, "| |");
  start();
  std::vector<PostedKey> expected{{slider, kEnd}};
  expected.insert(expected.end(), 6, PostedKey{slider, kUp});
  EXPECT_EQ(terminal.posted_keys(), expected);
  EXPECT_EQ(window().caption(), "Pelmora" + parameter());
  EXPECT_EQ(window().tool_window_calls(), 1);
  EXPECT_EQ(window().attached_to(), frame);
  EXPECT_EQ(window().rect().left, -10000);
  EXPECT_TRUE(fields_out_of_sight());
  EXPECT_EQ(place("IN_ASK_BID").top, 160);  // only the horizontal place changes
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");
  EXPECT_EQ(fake->edit("OUT_SELECTED_ORDER").text(), "-1");  // the selected order was published
  EXPECT_EQ(window().shape().back(), (Bounds{24, 24, 285, 257}));  // cut to main alone
  EXPECT_EQ(fake->button("Button1").text(), "| |");
  EXPECT_TRUE(program.errors().empty());
  EXPECT_EQ(program.quit_requests(), 0);
}

TEST_F(StartUpFixture, ThePauseButtonAndTheLotFollowTheTesterAtEveryShow) {
  terminal.set_text(pause, "  >>  ");
  start();
  EXPECT_EQ(fake->button("Button1").text(), ">>");
  EXPECT_EQ(fake->hint("Button1"), "Продолжить тестирование");

  terminal.set_text(pause, "| |");
  fake->edit("IN_ORDER_PROPERTY").set_text("x;1;1.3050;1.3100;1.2950;0.0001;5;0;0.1;");
  window().set_visible(false);
  window().set_visible(true);
  EXPECT_EQ(fake->button("Button1").text(), "| |");
  EXPECT_EQ(fake->hint("Button1"), "Приостановить тестирование");
  EXPECT_EQ(fake->edit("Edit12").text(), "0.10");

  terminal.set_text(pause, "?");  // neither mark: the caption stays
  window().set_visible(false);
  window().set_visible(true);
  EXPECT_EQ(fake->button("Button1").text(), "| |");
}

TEST_F(StartUpFixture, TheTestValueLeavesEverythingInViewAndAttachesNothing) {
  program.set_first_parameter("100");
  start();
  EXPECT_TRUE(terminal.posted_keys().empty());
  EXPECT_EQ(window().caption(), "Pelmora100");
  EXPECT_TRUE(fields_in_view());
  EXPECT_EQ(window().rect().left, 180);
  EXPECT_EQ(window().attached_to(), kNoWindow);
  EXPECT_EQ(fake->button("Button1").text(), "| |");
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");
}

TEST(StartUp, ABadParameterShowsTheErrorBoxAndRunsOnUnattached) {
  for (const char* bad : {"", "abc", "1e3", "4294967296"}) {
    StartUpWorld w;
    w.program.set_first_parameter(bad);
    w.start();
    EXPECT_EQ(w.program.errors(),
              std::vector<std::string>{"'" + std::string(bad) + "' is not a valid integer value"});
    EXPECT_TRUE(w.terminal.posted_keys().empty()) << bad;
    EXPECT_EQ(w.window().caption(), "Form1") << bad;
    EXPECT_TRUE(w.fields_in_view()) << bad;
    EXPECT_EQ(w.fake->edit("Edit12").text(), "1") << bad;
    EXPECT_EQ(w.window().tool_window_calls(), 0) << bad;
    EXPECT_EQ(w.window().attached_to(), kNoWindow) << bad;
    w.terminal.set_foreground(platform::fake::FakePanelWindow::kRef);
    w.clock.advance(1000);  // following ticks end silently
    EXPECT_TRUE(w.window().visible()) << bad;
    EXPECT_EQ(w.window().rect().left, 180) << bad;
    EXPECT_EQ(w.program.quit_requests(), 0) << bad;
  }
}

TEST_F(StartUpFixture, ANumberThatIsNoWindowMovesOutOfSightAndEndsAtTheFirstGatedTick) {
  program.set_first_parameter("-5");
  start();
  EXPECT_TRUE(program.errors().empty());
  EXPECT_TRUE(fields_out_of_sight());
  EXPECT_EQ(window().attached_to(), kNoWindow);
  terminal.set_foreground(platform::fake::FakePanelWindow::kRef);
  clock.advance(300);
  EXPECT_EQ(program.quit_requests(), 1);
}

TEST_F(StartUpFixture, AnEndCaptionForOurParameterEndsTheProgramAfterTheShowSteps) {
  terminal.add_window(kNoWindow, "Tarsel" + std::to_string(chart + 4));  // someone else's
  start();
  EXPECT_EQ(program.quit_requests(), 0);

  terminal.add_window(kNoWindow, "Tarsel" + parameter());
  window().set_visible(false);
  window().set_visible(true);
  EXPECT_EQ(program.quit_requests(), 1);
  EXPECT_EQ(window().tool_window_calls(), 2);  // the remaining steps still ran
  EXPECT_EQ(window().attached_to(), frame);
}

TEST_F(StartUpFixture, RestoringTheTerminalRunsTheShowSequenceOnceAndPlacesThePanel) {
  start();
  terminal.set_foreground(main);
  clock.advance(300);
  EXPECT_EQ(window().rect(), (platform::ScreenRect{102, 52, 898, 648}));
  fake->edit("Edit12").set_text("0.50");

  terminal.set_minimised(main, true);
  clock.advance(300);
  EXPECT_FALSE(window().visible());
  EXPECT_FALSE(fake->timer("Timer1").enabled());
  EXPECT_EQ(fake->edit("Edit12").text(), "0.50");

  terminal.clear_records();
  terminal.set_minimised(main, false);
  clock.advance(300);
  EXPECT_TRUE(window().visible());
  EXPECT_TRUE(fake->timer("Timer1").enabled());
  EXPECT_EQ(window().tool_window_calls(), 2);  // shown once more
  EXPECT_EQ(fake->edit("Edit12").text(), "0.01");
  EXPECT_EQ(window().rect(), (platform::ScreenRect{102, 52, 898, 648}));
  EXPECT_EQ(fake->timer("Timer1").interval_ms(), 10);
  EXPECT_TRUE(terminal.posted_keys().empty());  // the start-up speed reset is not repeated
}

TEST_F(StartUpFixture, AHungTesterNeitherStopsNorBlocksTheStart) {
  terminal.set_hung(tester, true);
  terminal.set_hung(pause, true);
  terminal.set_hung(stop, true);
  start();
  EXPECT_TRUE(terminal.posted_keys().empty());  // the stop button could not be read
  EXPECT_EQ(fake->button("Button1").text(), "| |");
  EXPECT_EQ(window().caption(), "Pelmora" + parameter());
  EXPECT_EQ(window().attached_to(), frame);
}

}  // namespace
}  // namespace pelmora::app
