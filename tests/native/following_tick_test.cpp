// The following tick against the fake terminal tree: geometry with clipping, placement only on
// change, hiding and showing with the timers, the keyboard gate, the closed chart and the chart
// window gone, the tiny chart area, and windows that vanish or stop answering mid-tick.
#include <gtest/gtest.h>

#include <functional>

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

// Counts placements; the show handler stands in for the show sequence, which moves the window
// out of sight as the real one does.
struct PanelWindow : FakePanelWindow {
  PanelWindow() : FakePanelWindow({180, 0, 1028, 699}) {
    set_on_show([this] {
      ++shows;
      set_left(-10000);
    });
  }
  void place_on_top(int left, int top, int width, int height) override {
    ++placements;
    FakePanelWindow::place_on_top(left, top, width, height);
  }
  int placements = 0;
  int shows = 0;
};

struct Following : testing::TerminalTree {
  platform::fake::ManualClock clock;
  platform::fake::FakeTimer& link_timer = clock.make_timer(200, true);
  platform::fake::FakeTimer& update_timer = clock.make_timer(10, true);
  platform::fake::FakeTimer& f11_timer = clock.make_timer(200, true);
  PanelWindow window;
  platform::fake::FakeEdit quotes{"1.2345 / 1.2348"}, IN_ASK_BID;
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
  bool timers_on() const {
    return link_timer.enabled() && update_timer.enabled() && f11_timer.enabled();
  }
  bool timers_off() const {
    return !link_timer.enabled() && !update_timer.enabled() && !f11_timer.enabled();
  }
};

TEST(FollowingTick, CoversTheChartAreaLessTwoPixelsClippedByTheMainWindowPlacingOnlyOnChange) {
  Following f;
  f.tick();
  EXPECT_EQ(f.window.rect(), (ScreenRect{102, 52, 102 + 796, 52 + 596}));
  EXPECT_EQ(f.following.last_width(), 796);
  EXPECT_EQ(f.following.last_height(), 596);
  EXPECT_EQ(f.link_timer.interval_ms(), 10);
  f.tick(2);
  EXPECT_EQ(f.window.placements, 1);  // nothing changed: no placement call

  f.terminal.set_rect(f.area, {150, 50, 950, 650});  // moved sideways, same size
  f.tick();
  EXPECT_EQ(f.window.rect(), (ScreenRect{152, 52, 948, 648}));
  f.terminal.set_rect(f.area, {150, 80, 950, 680});  // moved down only
  f.tick();
  EXPECT_EQ(f.window.rect(), (ScreenRect{152, 82, 948, 678}));
  f.terminal.set_rect(f.area, {150, 80, 950, 670});  // resized, same place
  f.tick();
  EXPECT_EQ(f.following.last_height(), 586);
  // The main window clips the right and bottom edges only.
  f.terminal.set_rect(f.main, {170, 70, 870, 600});
  f.tick();
  EXPECT_EQ(f.window.rect(), (ScreenRect{152, 82, 868, 598}));
  EXPECT_EQ(f.window.placements, 5);
  EXPECT_EQ(f.window.shows, 0);
}

// A tick reached again from inside a tick (a message loop run by one of its steps) does nothing.
TEST(FollowingTick, ATickStartedInsideATickDoesNothing) {
  Following f;
  int inner_ticks = 0;
  f.during_update = [&] {
    if (inner_ticks++ == 0) f.tick();
  };
  f.tick();
  EXPECT_EQ(inner_ticks, 1);
  EXPECT_EQ(f.updates, 1);
  EXPECT_EQ(f.window.placements, 1);
}

TEST(FollowingTick, HidingStopsTheThreeTimersAndShowingAgainRunsTheShowSequenceOnce) {
  Following f;
  const std::function<void(bool)> causes[] = {
      [&](bool on) { f.terminal.set_minimised(f.main, on); },
      [&](bool on) { f.terminal.set_hidden(f.main, on); },
      [&](bool on) { f.terminal.bring_to_front(on ? f.other_frame : f.frame); }};
  for (const auto& hide : causes) {
    f.tick();
    hide(true);
    f.tick(3);
    EXPECT_FALSE(f.window.visible());
    EXPECT_TRUE(f.timers_off());
    EXPECT_EQ(f.window.shows, 0);  // no hide-and-show at every tick
    f.clock.advance(1000);
    EXPECT_EQ(f.link_timer.ticks() + f.update_timer.ticks() + f.f11_timer.ticks(), 0);

    hide(false);
    f.tick(2);
    EXPECT_TRUE(f.window.visible());
    EXPECT_TRUE(f.timers_on());
    EXPECT_EQ(f.window.shows, 1);
    // The show sequence moved the window away; the same tick put it back.
    EXPECT_EQ(f.window.rect(), kOverChart);
    f.window.shows = 0;
  }
}

TEST(FollowingTick, AnotherProgramInFrontFreezesRefreshAndPlacementButNotHiding) {
  Following f;
  f.tick();
  f.terminal.set_foreground(0x777000);  // another program's window
  f.IN_ASK_BID.type("1.3000 / 1.3003");
  f.terminal.set_rect(f.area, {300, 300, 900, 650});
  f.tick();
  EXPECT_EQ(f.updates, 1);
  EXPECT_EQ(f.quotes.text(), "");  // the first tick copied the empty quotes; no refresh since
  EXPECT_EQ(f.window.rect(), kOverChart);
  f.terminal.set_minimised(f.main, true);
  f.tick();
  EXPECT_FALSE(f.window.visible());

  f.terminal.set_minimised(f.main, false);
  f.terminal.set_foreground(FakePanelWindow::kRef);  // the panel itself has the keyboard
  f.tick();
  EXPECT_EQ(f.updates, 2);
  EXPECT_EQ(f.quotes.text(), "1.3000 / 1.3003");
  EXPECT_EQ(f.window.rect(), (ScreenRect{302, 302, 898, 648}));
}

TEST(FollowingTick, AClosedChartEndsTheProgramOnceThePanelHasTheKeyboardButABusyOneDoesNot) {
  // A busy terminal is no closed chart. Its frame's title as the system keeps it needs no answer,
  // so the panel still follows; a frame that only answers for its title itself is waited for.
  for (const bool own_text : {false, true}) {
    Following busy;
    busy.terminal.set_answers_own_text(busy.frame, own_text);
    busy.terminal.set_hung(busy.frame, true);
    busy.tick();
    EXPECT_EQ(busy.window.placements, own_text ? 0 : 1) << own_text;
    EXPECT_EQ(busy.terminal.unanswered(), own_text ? 1 : 0) << own_text;
    EXPECT_EQ(busy.program.quit_requests(), 0) << own_text;
  }
  Following f;
  f.tick();
  f.terminal.set_text(f.frame, "");  // the chart closes while another program is in front
  f.terminal.set_foreground(0x777000);
  f.tick(3);
  EXPECT_EQ(f.program.quit_requests(), 0);
  EXPECT_TRUE(f.window.visible());
  EXPECT_EQ(f.window.rect(), kOverChart);  // stays where it was

  f.terminal.set_foreground(f.main);
  f.tick();
  EXPECT_EQ(f.program.quit_requests(), 1);
  EXPECT_EQ(f.window.placements, 1);
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

TEST(FollowingTick, AChartAreaOfFourPixelsOrLessKeepsThePanelHiddenUntilItGrows) {
  Following f;
  f.tick();
  f.terminal.set_rect(f.area, {100, 50, 900, 54});  // 4 pixels high
  f.tick(4);
  EXPECT_FALSE(f.window.visible());
  EXPECT_EQ(f.window.shows, 0);
  EXPECT_TRUE(f.timers_on());
  f.terminal.set_rect(f.area, {100, 50, 104, 650});  // 4 pixels wide
  f.tick();
  EXPECT_FALSE(f.window.visible());
  f.terminal.set_rect(f.area, {100, 50, 105, 55});  // 5 by 5: room enough
  f.tick();
  EXPECT_TRUE(f.window.visible());
  EXPECT_EQ(f.window.shows, 1);
}

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
      // Whatever step the window vanished at, the next tick with the keyboard ends the program.
      EXPECT_GE(f.program.quit_requests(), 1) << "vanished before call " << call;
    }
  }
}

}  // namespace
}  // namespace pelmora::terminal
