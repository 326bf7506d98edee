// The following tick against the fake terminal tree: geometry with clipping, placement only on
// change, hiding and showing with the timers, the keyboard gate, the closed chart and the chart
// window gone, the tiny chart area, and windows that vanish or stop answering mid-tick.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/fake/fake_controls.h"
#include "platform/fake/fake_panel_window.h"
#include "platform/fake/fake_program.h"
#include "platform/fake/manual_clock.h"
#include "terminal/following_tick.h"
#include "terminal_tree.h"

namespace pelmora::terminal {
namespace {

using platform::ScreenRect;
using platform::fake::FakePanelWindow;

constexpr ScreenRect kOverChart{102, 52, 898, 648};  // the chart area less two pixels a side

// Counts placements and shows; the show handler stands in for the show sequence, which moves
// the window out of sight as the real one does.
struct PanelWindow : FakePanelWindow {
  PanelWindow() : FakePanelWindow({180, 0, 1028, 699}) {
    set_on_show([this] { ++shows, set_left(-10000); });
  }
  void place_on_top(int left, int top, int width, int height) override {
    ++placements;
    FakePanelWindow::place_on_top(left, top, width, height);
  }
  int placements = 0, shows = 0;
};

struct Following : testing::TerminalTree {
  platform::fake::ManualClock clock;
  platform::fake::FakeTimer& link_timer = clock.make_timer(200, true);
  platform::fake::FakeTimer& update_timer = clock.make_timer(10, true);
  platform::fake::FakeTimer& f11_timer = clock.make_timer(200, true);
  PanelWindow window;
  platform::fake::FakeEdit quotes, IN_ASK_BID;
  platform::fake::FakeProgram program{parameter()};
  int updates = 0;
  std::function<void()> during_update;  // stands for a message loop run inside the tick
  FollowingTick following{
      {window, link_timer, update_timer, f11_timer, quotes, IN_ASK_BID}, terminal, program, [this] {
        ++updates;
        if (during_update) during_update();
      }};

  Following() {
    window.set_visible(true);  // shown at start-up, as the form is
    window.shows = 0;
    terminal.set_foreground(main);
  }
  void tick(int times = 1) {
    for (int i = 0; i < times; ++i) following.tick();
  }
  // Whether the window shows, the three timers' states, shows and placements so far.
  std::string state() const {
    return std::string(window.visible() ? "shown " : "hidden ") +
           (link_timer.enabled() ? "+" : "-") + (update_timer.enabled() ? "+" : "-") +
           (f11_timer.enabled() ? "+" : "-") + " shows " + std::to_string(window.shows) +
           " placed " + std::to_string(window.placements);
  }
};

TEST(FollowingTick, CoversTheChartAreaLessTwoPixelsClippedByTheMainWindowPlacingOnlyOnChange) {
  Following f;
  f.tick(3);
  EXPECT_EQ(f.window.rect(), kOverChart);
  EXPECT_EQ(std::pair(f.following.last_width(), f.following.last_height()), std::pair(796, 596));
  EXPECT_EQ(f.link_timer.interval_ms(), 10);
  EXPECT_EQ(f.state(), "shown +++ shows 0 placed 1");  // nothing changed: no more placements
  const std::pair<ScreenRect, ScreenRect> moves[] = {
      {{150, 50, 950, 650}, {152, 52, 948, 648}},   // sideways, same size
      {{150, 80, 950, 680}, {152, 82, 948, 678}},   // down only
      {{150, 80, 950, 670}, {152, 82, 948, 668}}};  // resized in place
  for (const auto& [area, placed] : moves) {
    f.terminal.set_rect(f.area, area);
    f.tick();
    EXPECT_EQ(f.window.rect(), placed);
  }
  f.terminal.set_rect(f.main, {170, 70, 870, 600});  // clips the right and bottom edges only
  f.tick();
  EXPECT_EQ(f.window.rect(), (ScreenRect{152, 82, 868, 598}));
  EXPECT_EQ(f.state(), "shown +++ shows 0 placed 5");
}

// A tick reached again from inside a tick (a message loop run by one of its steps) does nothing.
TEST(FollowingTick, ATickStartedInsideATickDoesNothing) {
  Following f;
  int inner_ticks = 0;
  f.during_update = [&] {
    if (inner_ticks++ == 0) f.tick();
  };
  f.tick();
  EXPECT_EQ(std::tuple(inner_ticks, f.updates, f.window.placements), std::tuple(1, 1, 1));
}

// Hiding stops the three timers; showing again runs the show sequence once, and the same tick
// puts the window back over the chart. A chart area of four pixels or less keeps the panel
// hidden, timers on, until it grows.
TEST(FollowingTick, HidingStopsTheTimersAndShowingAgainRunsTheShowSequenceOnce) {
  Following f;
  const std::function<void(bool)> causes[] = {
      [&](bool on) { f.terminal.set_minimised(f.main, on); },
      [&](bool on) { f.terminal.set_hidden(f.main, on); },
      [&](bool on) { f.terminal.bring_to_front(on ? f.other_frame : f.frame); },
      [&](bool on) {
        f.terminal.set_rect(f.area,
                            on ? ScreenRect{100, 50, 900, 54} : ScreenRect{100, 50, 900, 650});
      },
      [&](bool on) {
        f.terminal.set_rect(f.area,
                            on ? ScreenRect{100, 50, 104, 650} : ScreenRect{100, 50, 900, 650});
      }};
  const char* hidden[] = {"hidden --- shows 0", "hidden --- shows 0", "hidden --- shows 0",
                          "hidden +++ shows 0", "hidden +++ shows 0"};
  for (int i = 0; i < 5; ++i) {
    f.tick();
    causes[i](true);
    f.tick(3);
    EXPECT_TRUE(f.state().starts_with(hidden[i])) << f.state();
    if (i < 3) {
      f.clock.advance(1000);
      EXPECT_EQ(f.link_timer.ticks() + f.update_timer.ticks() + f.f11_timer.ticks(), 0);
    }
    causes[i](false);
    f.tick(2);
    EXPECT_TRUE(f.state().starts_with("shown +++ shows 1")) << i;
    EXPECT_EQ(f.window.rect(), kOverChart);
    f.window.shows = 0;
  }
}

// A busy terminal is no closed chart: its frame's title as the system keeps it needs no answer,
// so the panel still follows; a frame that only answers for its title itself is waited for.
// A closed chart ends the program once the panel has the keyboard, and not before.
TEST(FollowingTick, AClosedChartEndsTheProgramOnceThePanelHasTheKeyboardButABusyOneDoesNot) {
  for (const bool own_text : {false, true}) {
    Following busy;
    busy.terminal.set_answers_own_text(busy.frame, own_text);
    busy.terminal.set_hung(busy.frame, true);
    busy.tick();
    EXPECT_EQ(std::tuple(busy.window.placements, busy.terminal.unanswered(),
                         busy.program.quit_requests()),
              std::tuple(own_text ? 0 : 1, own_text ? 1 : 0, 0));
  }
  Following f;
  f.tick();
  f.terminal.set_foreground(0x777000);  // another program has the keyboard: all stands still
  f.IN_ASK_BID.type("1.3000 / 1.3003");
  f.terminal.set_rect(f.area, {300, 300, 900, 650});
  f.tick();
  EXPECT_EQ(std::tuple(f.updates, f.quotes.text()), std::tuple(1, std::string()));
  f.terminal.set_text(f.frame, "");  // the chart closes
  f.tick(3);
  EXPECT_EQ(f.program.quit_requests(), 0);
  EXPECT_EQ(f.window.rect(), kOverChart);  // stays where it was
  f.terminal.set_foreground(FakePanelWindow::kRef);
  f.tick();
  EXPECT_EQ(f.program.quit_requests(), 1);
  EXPECT_EQ(f.state(), "shown +++ shows 0 placed 1");
}

// Windows gone without the title emptied first (the terminal ended): nobody is left to read a
// command, so the panel ends at once, whatever holds the keyboard.
TEST(FollowingTick, AChartWindowThatGoesEndsTheProgramAtTheNextTick) {
  for (const bool main_goes : {false, true}) {
    Following f;
    f.tick();
    f.terminal.set_foreground(platform::kNoWindow);
    f.terminal.destroy(main_goes ? f.main : f.frame);
    f.tick();
    EXPECT_EQ(f.program.quit_requests(), 1) << main_goes;
    EXPECT_EQ(f.window.placements, 1) << main_goes;
  }
}

// Whatever step of a tick the main window or the chart frame vanished at, the next tick with the
// keyboard ends the program.
TEST(FollowingTick, AWindowVanishingAtAnyCallOfATickIsSurvived) {
  Following probe;
  probe.tick();
  const int calls_per_tick = probe.terminal.calls();
  ASSERT_GT(calls_per_tick, 5);
  for (const bool main_goes : {false, true}) {
    for (int call = 1; call <= calls_per_tick; ++call) {
      Following f;
      f.terminal.destroy_before_call(main_goes ? f.main : f.frame, call);
      f.tick();
      f.terminal.set_foreground(FakePanelWindow::kRef);
      f.tick();
      EXPECT_GE(f.program.quit_requests(), 1) << "vanished before call " << call;
    }
  }
}

}  // namespace
}  // namespace pelmora::terminal
