// The shared window routines and the windows found from the chart, against the fake tree:
// the depth-first search, the bounded text read, the parameter and the tester's controls.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/fake_program.h"
#include "terminal/chart_windows.h"
#include "terminal/find_window_by_text.h"
#include "terminal/window_text.h"
#include "terminal_tree.h"

namespace pelmora::terminal {
namespace {

using platform::kNoWindow;
using platform::WindowRef;
using platform::fake::FakeProgram;
using platform::fake::FakeTerminal;

TEST(FindWindowByText, ComparesTheWholeTextExactly) {
  FakeTerminal t;
  const WindowRef root = t.add_window(kNoWindow, "Стоп");  // the root itself is not a candidate
  t.add_window(root, "стоп");
  t.add_window(root, "Стоп ");
  t.add_window(root, "Стопка");
  EXPECT_EQ(FindWindowByText(t, root, "Стоп"), kNoWindow);
  const WindowRef exact = t.add_window(root, "Стоп");
  EXPECT_EQ(FindWindowByText(t, root, "Стоп"), exact);
  EXPECT_EQ(FindWindowByText(t, kNoWindow, "Стоп"), kNoWindow);
}

TEST(FindWindowByText, SkipsHungWindowsAndSurvivesADeepTree) {
  FakeTerminal t;
  const WindowRef root = t.add_window(kNoWindow);
  const WindowRef hung = t.add_window(root, "Стоп");
  t.set_hung(hung, true);
  WindowRef deepest = root;
  for (int i = 0; i < 20000; ++i) deepest = t.add_window(deepest, "");
  const WindowRef found = t.add_window(deepest, "Стоп");
  EXPECT_EQ(FindWindowByText(t, root, "Стоп"), found);
}

TEST(FindWindowByText, AWindowVanishingAtAnyPointOfTheWalkEndsItCleanly) {
  for (int call = 1; call < 20; ++call) {
    FakeTerminal t;
    const WindowRef root = t.add_window(kNoWindow);
    const WindowRef first = t.add_window(root, "a");
    t.add_window(first, "b");
    const WindowRef second = t.add_window(root, "c");
    const WindowRef target = t.add_window(second, "Стоп");
    t.destroy_before_call(first, call);
    const WindowRef found = FindWindowByText(t, root, "Стоп");
    EXPECT_TRUE(found == target || found == kNoWindow) << "vanished before call " << call;
  }
}

TEST(GetWindowTextOf, CutsALongTextToTheBufferAndNeverSplitsACharacter) {
  FakeTerminal t;
  const WindowRef w = t.add_window(kNoWindow, std::string(100000, 'x'));
  EXPECT_EQ(GetWindowTextOf(t, w), std::string(kWindowTextBufferChars - 1, 'x'));
  t.set_text(w, std::string(2998, 'x') + "Яz");
  EXPECT_EQ(GetWindowTextOf(t, w), std::string(2998, 'x') + "Я");
  t.set_text(w, std::string(2998, 'x') + "\U0001F600");  // two UTF-16 units, one too many
  EXPECT_EQ(GetWindowTextOf(t, w), std::string(2998, 'x'));
}

TEST(GetWindowTextOf, NoVanishedOrHungWindowReadsEmptyAndOnlyHungIsNoAnswer) {
  FakeTerminal t;
  const WindowRef gone = t.add_window(kNoWindow, "gone");
  t.destroy(gone);
  const WindowRef hung = t.add_window(kNoWindow, "busy");
  t.set_hung(hung, true);
  EXPECT_EQ(GetWindowTextOf(t, kNoWindow), "");
  EXPECT_EQ(GetWindowTextOf(t, gone), "");
  EXPECT_EQ(GetWindowTextOf(t, hung), "");
  EXPECT_EQ(read_window_text(t, gone), std::string());
  EXPECT_EQ(read_window_text(t, hung), std::nullopt);
}

TEST(ChartParameter, ReadsA32BitWholeNumberOrFailsWithTheToolkitMessage) {
  EXPECT_EQ(chart_window_of("657934"), WindowRef{657934});
  EXPECT_EQ(chart_window_of("+12"), WindowRef{12});
  EXPECT_EQ(chart_window_of("  12"), WindowRef{12});
  EXPECT_EQ(chart_window_of("2147483647"), WindowRef{2147483647});
  // A negative number is the handle whose 32-bit form it is, sign-extended like a handle.
  EXPECT_EQ(chart_window_of("-5"), static_cast<WindowRef>(static_cast<std::intptr_t>(-5)));
  for (const char* bad : {"", "abc", "12 ", "1.5", "0x10", "2147483648", "99999999999", "-"}) {
    try {
      chart_window_of(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const InvalidInteger& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
  EXPECT_TRUE(is_test_value("100"));
  EXPECT_FALSE(is_test_value("0100"));
}

TEST(ChartWindows, WalksThreeParentsUpAndFindsTheTesterControls) {
  testing::TerminalTree tree;
  const FakeProgram program(tree.parameter());
  const ChartChain chain = chart_chain_of(tree.terminal, program);
  EXPECT_EQ(chain.frame, tree.frame);
  EXPECT_EQ(chain.area, tree.area);
  EXPECT_EQ(chain.main, tree.main);
  const TesterControls controls = tester_controls_of(tree.terminal, program);
  EXPECT_EQ(controls.stop, tree.stop);
  EXPECT_EQ(controls.pause, tree.pause);
  EXPECT_EQ(controls.slider, tree.slider);
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
