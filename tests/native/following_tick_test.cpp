// The following tick against the fake terminal tree: visibility and timer gating, the keyboard
// gate, refresh, the closed chart, geometry with clipping, placement only on change, the tiny
// chart area, bad parameters, and windows that vanish or stop answering mid-tick.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_controls.h"
#include "platform/fake/fake_panel_window.h"
#include "platform/fake/fake_program.h"
#include "platform/fake/manual_clock.h"
#include "terminal/following_tick.h"
#include "terminal_tree.h"

namespace pelmora::terminal {
namespace {

using platform::ScreenRect;
using platform::fake::FakeEdit;
using platform::fake::FakePanelWindow;
using platform::fake::FakeProgram;
using platform::fake::FakeTimer;
using platform::fake::ManualClock;

// Counts placements; the show handler stands in for the show sequence, which moves the window
// out of sight as the real one does.
class PanelWindow : public FakePanelWindow {
 public:
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
  ManualClock clock;
  FakeTimer& Timer1 = clock.make_timer(200, true);
  FakeTimer& Timer3 = clock.make_timer(10, true);
  FakeTimer& Timer4 = clock.make_timer(200, true);
  PanelWindow window;
  FakeEdit Label10{"1.2345 / 1.2348"};
  FakeEdit IN_ASK_BID;
  FakeProgram program{parameter()};
  int updates = 0;
  FollowingTick following{
      {window, Timer1, Timer3, Timer4, Label10, IN_ASK_BID}, terminal, program, [this] {
        ++updates;
      }};

  Following() {
    window.set_visible(true);  // shown at start-up, as the form is
    window.shows = 0;
    terminal.set_foreground(main);
  }
  void tick() { following.Timer2Timer(); }
  bool timers_on() const { return Timer1.enabled() && Timer3.enabled() && Timer4.enabled(); }
  bool timers_off() const { return !Timer1.enabled() && !Timer3.enabled() && !Timer4.enabled(); }
  ScreenRect placed() const { return window.rect(); }
};

TEST(FollowingTick, CoversTheChartAreaLessTwoPixelsAndPlacesOnlyOnChange) {
  Following f;
  f.tick();
  EXPECT_EQ(f.placed(), (ScreenRect{102, 52, 102 + 796, 52 + 596}));
  EXPECT_EQ(f.following.last_width(), 796);
  EXPECT_EQ(f.following.last_height(), 596);
  EXPECT_EQ(f.Timer1.interval_ms(), 10);
  EXPECT_EQ(f.window.placements, 1);

  f.tick();
  f.tick();
  EXPECT_EQ(f.window.placements, 1);  // nothing changed: no placement call

  f.terminal.set_rect(f.area, {150, 50, 950, 650});  // moved, same size
  f.tick();
  EXPECT_EQ(f.placed(), (ScreenRect{152, 52, 948, 648}));
  f.terminal.set_rect(f.area, {150, 50, 950, 640});  // resized, same place
  f.tick();
  EXPECT_EQ(f.following.last_height(), 586);
  EXPECT_EQ(f.window.placements, 3);
  EXPECT_EQ(f.window.shows, 0);
}

TEST(FollowingTick, TheMainWindowClipsTheRightAndBottomEdgesOnly) {
  Following f;
  f.terminal.set_rect(f.main, {120, 70, 870, 600});  // left and top inside the area: not clipped
  f.tick();
  EXPECT_EQ(f.placed(), (ScreenRect{102, 52, 102 + 766, 52 + 546}));
}

TEST(FollowingTick, MinimisingHidesAndStopsTheTimersAndRestoringShowsOnce) {
  Following f;
  f.tick();
  f.terminal.set_minimised(f.main, true);
  f.tick();
  EXPECT_FALSE(f.window.visible());
  EXPECT_TRUE(f.timers_off());
  f.clock.advance(1000);
  EXPECT_EQ(f.Timer1.ticks() + f.Timer3.ticks() + f.Timer4.ticks(), 0);

  f.terminal.set_minimised(f.main, false);
  f.tick();
  EXPECT_TRUE(f.window.visible());
  EXPECT_TRUE(f.timers_on());
  EXPECT_EQ(f.window.shows, 1);
  // The show sequence moved the window away; the same tick put it back.
  EXPECT_EQ(f.placed(), (ScreenRect{102, 52, 898, 648}));
  f.tick();
  EXPECT_EQ(f.window.shows, 1);
}

TEST(FollowingTick, AnotherChartInFrontHidesWithoutReshowingAtEveryTick) {
  Following f;
  f.tick();
  f.terminal.bring_to_front(f.other_frame);
  for (int i = 0; i < 5; ++i) f.tick();
  EXPECT_FALSE(f.window.visible());
  EXPECT_TRUE(f.timers_off());
  EXPECT_EQ(f.window.shows, 0);

  f.terminal.bring_to_front(f.frame);
  f.tick();
  EXPECT_TRUE(f.window.visible());
  EXPECT_TRUE(f.timers_on());
  EXPECT_EQ(f.window.shows, 1);
}

TEST(FollowingTick, AnotherProgramInFrontFreezesRefreshAndPlacementButNotHiding) {
  Following f;
  f.tick();
  const int updates = f.updates;
  f.terminal.set_foreground(0x777000);  // another program's window
  f.IN_ASK_BID.type("1.3000 / 1.3003");
  f.terminal.set_rect(f.area, {300, 300, 900, 650});
  f.tick();
  EXPECT_EQ(f.updates, updates);
  EXPECT_EQ(f.Label10.text(), "");  // the first tick copied the empty quotes; no refresh since
  EXPECT_EQ(f.placed(), (ScreenRect{102, 52, 898, 648}));

  f.terminal.set_minimised(f.main, true);
  f.tick();
  EXPECT_FALSE(f.window.visible());
  EXPECT_TRUE(f.timers_off());

  f.terminal.set_minimised(f.main, false);
  f.terminal.set_foreground(FakePanelWindow::kRef);  // the panel itself has the keyboard
  f.tick();
  EXPECT_EQ(f.updates, updates + 1);
  EXPECT_EQ(f.Label10.text(), "1.3000 / 1.3003");
  EXPECT_EQ(f.placed(), (ScreenRect{302, 302, 898, 648}));
}

TEST(FollowingTick, TheTestValueRefreshesButNeitherEndsNorPlaces) {
  Following f;
  f.program.set_first_parameter("100");
  f.terminal.set_foreground(FakePanelWindow::kRef);
  f.IN_ASK_BID.type("1.1 / 1.2");
  f.tick();
  EXPECT_EQ(f.Label10.text(), "1.1 / 1.2");
  EXPECT_EQ(f.updates, 1);
  EXPECT_EQ(f.program.quit_requests(), 0);
  EXPECT_EQ(f.window.placements, 0);
  EXPECT_EQ(f.Timer1.interval_ms(), 200);
  EXPECT_TRUE(f.window.visible());
}

TEST(FollowingTick, AClosedChartEndsTheProgramOnceThePanelHasTheKeyboard) {
  Following f;
  f.tick();
  f.terminal.destroy(f.frame);  // the chart closes; the terminal stays in front
  f.terminal.set_rect(f.area, {0, 0, 500, 500});
  for (int i = 0; i < 3; ++i) f.tick();
  EXPECT_EQ(f.program.quit_requests(), 0);
  EXPECT_TRUE(f.window.visible());
  EXPECT_EQ(f.placed(), (ScreenRect{102, 52, 898, 648}));  // stays where it was
  f.terminal.set_foreground(platform::kNoWindow);  // nothing has the keyboard: no match either
  f.tick();
  EXPECT_EQ(f.program.quit_requests(), 0);

  f.terminal.set_foreground(FakePanelWindow::kRef);
  f.tick();
  EXPECT_EQ(f.program.quit_requests(), 1);
  EXPECT_EQ(f.window.placements, 1);
}

TEST(FollowingTick, ABusyTerminalIsNotTakenForAClosedChart) {
  Following f;
  f.terminal.set_hung(f.frame, true);
  f.tick();
  EXPECT_EQ(f.program.quit_requests(), 0);
  EXPECT_EQ(f.window.placements, 0);
  f.terminal.set_hung(f.frame, false);
  f.tick();
  EXPECT_EQ(f.window.placements, 1);
}

TEST(FollowingTick, ATinyChartAreaKeepsThePanelHiddenUntilItGrows) {
  Following f;
  f.tick();
  f.terminal.set_rect(f.area, {100, 50, 900, 53});  // 3 pixels high
  for (int i = 0; i < 4; ++i) f.tick();
  EXPECT_FALSE(f.window.visible());
  EXPECT_EQ(f.window.shows, 0);  // no hide-and-show at every tick
  EXPECT_TRUE(f.timers_on());

  f.terminal.set_rect(f.area, {100, 50, 104, 650});  // 4 pixels wide: still no room
  f.tick();
  EXPECT_FALSE(f.window.visible());

  f.terminal.set_rect(f.area, {100, 50, 900, 650});
  f.tick();
  EXPECT_TRUE(f.window.visible());
  EXPECT_EQ(f.window.shows, 1);
  EXPECT_EQ(f.placed(), (ScreenRect{102, 52, 898, 648}));
}

TEST(FollowingTick, ABadParameterEndsEveryTickSilently) {
  for (const char* parameter : {"", "abc", "12 ", "99999999999"}) {
    Following f;
    f.program.set_first_parameter(parameter);
    f.terminal.set_minimised(f.main, true);
    f.tick();
    EXPECT_TRUE(f.window.visible()) << parameter;
    EXPECT_TRUE(f.timers_on()) << parameter;
    EXPECT_EQ(f.updates, 0) << parameter;
    EXPECT_EQ(f.program.quit_requests(), 0) << parameter;
  }
}

TEST(FollowingTick, ANumberThatIsNoWindowBehavesLikeAClosedChart) {
  for (const char* parameter : {"12345", "-5", "0"}) {
    Following f;
    f.program.set_first_parameter(parameter);
    f.tick();  // the terminal's window has the keyboard, not the panel
    EXPECT_EQ(f.program.quit_requests(), 0) << parameter;
    f.terminal.set_foreground(FakePanelWindow::kRef);
    f.tick();
    EXPECT_EQ(f.program.quit_requests(), 1) << parameter;
    EXPECT_EQ(f.window.placements, 0) << parameter;
  }
}

TEST(FollowingTick, AWindowVanishingAtAnyCallOfATickIsSurvived) {
  Following probe;
  const int before = probe.terminal.calls();
  probe.tick();
  const int calls_per_tick = probe.terminal.calls() - before;
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
