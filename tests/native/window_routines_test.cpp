// What the terminal-window contract does not cover, on the fake tree: the depth-first search on
// deep and changing trees, the first parameter, and missing links of the chart chain.
#include <gtest/gtest.h>

#include <string>

#include "terminal/chart_windows.h"
#include "terminal/find_window_by_text.h"
#include "terminal_tree.h"

namespace pelmora::terminal {
namespace {

using platform::kNoWindow;
using platform::WindowRef;
using platform::fake::FakeTerminal;

TEST(find_window_by_text, ComparesWholeTextsBelowTheRootSkipsHungWindowsAndSurvivesADeepTree) {
  FakeTerminal t;
  const WindowRef root = t.add_window(kNoWindow, "Стоп");  // the root itself is not a candidate
  t.add_window(root, "Стоп ");
  t.set_hung(t.add_window(root, "Стоп"), true);  // cannot be read: skipped, the search goes on
  WindowRef deepest = t.add_window(root, "Стопка");
  EXPECT_EQ(find_window_by_text(t, root, "Стоп"), kNoWindow);
  for (int i = 0; i < 20000; ++i) deepest = t.add_window(deepest, "");
  const WindowRef found = t.add_window(deepest, "Стоп");
  EXPECT_EQ(find_window_by_text(t, root, "Стоп"), found);
  EXPECT_EQ(find_window_by_text(t, kNoWindow, "Стоп"), kNoWindow);
}

TEST(find_window_by_text, AWindowVanishingAtAnyPointOfTheWalkEndsItCleanly) {
  for (int call = 1; call < 20; ++call) {
    FakeTerminal t;
    const WindowRef root = t.add_window(kNoWindow);
    const WindowRef first = t.add_window(root, "a");
    t.add_window(first, "b");
    const WindowRef second = t.add_window(root, "c");
    const WindowRef target = t.add_window(second, "Стоп");
    t.destroy_before_call(first, call);
    const WindowRef found = find_window_by_text(t, root, "Стоп");
    EXPECT_TRUE(found == target || found == kNoWindow) << "vanished before call " << call;
  }
}

// Windows moving between siblings during a walk can lead it round in a circle: it must end.
TEST(find_window_by_text, AWalkLedRoundInACircleEnds) {
  struct CirclingTerminal : FakeTerminal {
    WindowRef next_sibling(WindowRef window) const override {
      const WindowRef next = FakeTerminal::next_sibling(window);
      return next == kNoWindow ? first_child(parent(window)) : next;
    }
  } t;
  const WindowRef root = t.add_window(kNoWindow);
  t.add_window(root, "a");
  t.add_window(root, "b");
  EXPECT_EQ(find_window_by_text(t, root, "Стоп"), kNoWindow);
}

TEST(ChartParameter, ReadsA32BitWholeNumberOrFailsWithTheToolkitMessage) {
  EXPECT_EQ(chart_window_of("  +12"), WindowRef{12});
  EXPECT_EQ(chart_window_of("2147483647"), WindowRef{2147483647});
  // A negative number is the handle whose 32-bit form it is, sign-extended like a handle.
  EXPECT_EQ(chart_window_of("-2147483648"), static_cast<WindowRef>(std::intptr_t{INT32_MIN}));
  for (const char* bad :
       {"", "abc", "1a", "12 ", "1.5", "1e3", "0x10", "2147483648", "99999999999", "-", "+-5"}) {
    try {
      chart_window_of(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const InvalidInteger& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  EXPECT_TRUE(is_test_value("100"));
  // The test value names no window, even on systems that would take 100 for a handle.
  EXPECT_EQ(chart_window_of("100"), kNoWindow);
  EXPECT_FALSE(is_test_value("0100"));
}

TEST(ChartWindows, MissingLinksAreNone) {
  testing::TerminalTree tree;
  tree.terminal.destroy(tree.slider);  // the pause button is now the first sibling
  const TesterControls short_bar = find_tester_controls(tree.terminal, tree.main);
  EXPECT_EQ(short_bar.pause, tree.pause);
  EXPECT_EQ(short_bar.slider, kNoWindow);

  tree.terminal.set_text(tree.stop, "Stop");
  const TesterControls none = find_tester_controls(tree.terminal, tree.main);
  EXPECT_EQ(none.stop, kNoWindow);
  EXPECT_EQ(none.pause, kNoWindow);

  tree.terminal.destroy(tree.frame);
  const ChartChain chain = chart_chain(tree.terminal, tree.chart);
  EXPECT_EQ(chain.frame, kNoWindow);
  EXPECT_EQ(chain.main, kNoWindow);
  EXPECT_EQ(chart_chain(tree.terminal, WindowRef{100}).main, kNoWindow);
}

}  // namespace
}  // namespace pelmora::terminal
