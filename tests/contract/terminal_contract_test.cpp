// The terminal-window contract of platform/terminal_windows.h, and the window routines on top of
// it, checked against whichever backend this program is built with: the fake tree natively,
// real windows under Wine. A case that passes on one and fails on the other means the fake has
// drifted from the real thing.
#include <gtest/gtest.h>

#include <string>

#include "contract/terminal_backend.h"
#include "terminal/chart_windows.h"
#include "terminal/find_window_by_text.h"
#include "terminal/text_of_window.h"

namespace pelmora::contract {
namespace {

using platform::kNoWindow;
using platform::ScreenRect;
using platform::WindowRef;

class TerminalContract : public ::testing::Test {
 protected:
  std::unique_ptr<TerminalBackend> backend_ = make_terminal_backend();
  TerminalBackend& b = *backend_;
  platform::TerminalWindows& w = b.windows();
  WindowRef root = b.add_window(kNoWindow, "Pelmora contract root", {100, 100, 600, 500});
  WindowRef add(WindowRef parent, std::string_view text) {
    return b.add_window(parent, text, {110, 120, 210, 220});
  }
};

// The middle of the walk (next and previous siblings, a child's parent) is also what the
// nested search and the tester controls below rely on.
TEST_F(TerminalContract, WalksTheTreeInZOrder) {
  const WindowRef a = add(root, "a");
  add(root, "b");
  const WindowRef c = add(root, "c");
  EXPECT_EQ(w.first_child(root), a);
  EXPECT_EQ(w.next_sibling(c), kNoWindow);
  EXPECT_EQ(w.previous_sibling(a), kNoWindow);
  EXPECT_EQ(w.parent(root), kNoWindow);  // a top-level window has no parent
  EXPECT_EQ(w.first_child(a), kNoWindow);
  b.bring_to_front(c);
  EXPECT_EQ(w.first_child(root), c);
  EXPECT_EQ(w.previous_sibling(c), kNoWindow);
  EXPECT_EQ(w.previous_sibling(a), c);
}

TEST_F(TerminalContract, ReadsTextsWholeOrCutAtACharacterBoundary) {
  const WindowRef stop = add(root, "Стоп");
  EXPECT_EQ(w.read_text(stop, 3000), "Стоп");
  EXPECT_EQ(w.read_text(stop, 2), "Ст");
  const WindowRef emoji = add(root, "a\U0001F600b");  // the face takes two UTF-16 units
  EXPECT_EQ(w.text(emoji, 2), "a");
  EXPECT_EQ(w.text(emoji, 3), "a\U0001F600");
  EXPECT_EQ(w.kept_text(emoji, 2), "a");  // the system's copy is cut the same way
  EXPECT_EQ(w.kept_text(stop, 3000), "Стоп");

  std::string long_text;
  for (int i = 0; i < 100000; ++i) long_text += "ж";
  const WindowRef huge = add(root, long_text);
  const std::string read = terminal::window_text_of(w, huge);
  // A 3,000-character buffer that ends in a zero holds 2,999 characters of two bytes each.
  EXPECT_EQ(read, long_text.substr(0, 2 * 2999));
}

TEST_F(TerminalContract, KnowsPlacesMinimisedAndHiddenStatesAndTopLevelCaptions) {
  const WindowRef child = b.add_window(root, "", {150, 160, 250, 300});
  EXPECT_EQ(w.rect(root), (ScreenRect{100, 100, 600, 500}));
  EXPECT_EQ(w.rect(child), (ScreenRect{150, 160, 250, 300}));
  EXPECT_FALSE(w.is_minimised(root));
  b.set_minimised(root, true);
  EXPECT_TRUE(w.is_minimised(root));
  EXPECT_FALSE(w.is_hidden(root));  // a minimised window is still shown
  b.set_minimised(root, false);
  EXPECT_FALSE(w.is_minimised(root));
  b.set_hidden(root, true);
  EXPECT_TRUE(w.is_hidden(root));
  EXPECT_FALSE(w.is_minimised(root));
  b.set_hidden(root, false);
  EXPECT_FALSE(w.is_hidden(root));
  const WindowRef end = add(kNoWindow, "Tarsel-contract-657934");
  EXPECT_EQ(w.find_top_level("Tarsel-contract-657934"), end);
  EXPECT_EQ(w.find_top_level("Tarsel-contract-65793"), kNoWindow);
}

TEST_F(TerminalContract, ClicksAndKeyPressesReachTheWindowInOrder) {
  const WindowRef button = add(root, "Стоп");
  w.click(button);
  EXPECT_EQ(b.clicks(button), 1);
  for (int key : {0x23, 0x26, 0x26}) w.post_key(button, key);
  EXPECT_EQ(b.key_presses(button), (std::vector<int>{0x23, 0x26, 0x26}));
}

TEST_F(TerminalContract, NoWindowOrAVanishedOneIsNoneEverywhere) {
  const WindowRef first = add(root, "first");
  const WindowRef inner = add(first, "Стоп");
  const WindowRef last = add(root, "last");
  b.destroy(first);
  for (WindowRef gone : {first, inner, kNoWindow}) {
    EXPECT_FALSE(w.exists(gone));
    EXPECT_EQ(w.read_text(gone, 100), std::string());  // empty, not "no answer"
    EXPECT_EQ(w.kept_text(gone, 100), std::string());
    EXPECT_EQ(w.parent(gone), kNoWindow);
    EXPECT_EQ(w.first_child(gone), kNoWindow);
    EXPECT_EQ(w.next_sibling(gone), kNoWindow);
    EXPECT_EQ(w.previous_sibling(gone), kNoWindow);
    EXPECT_EQ(w.rect(gone), ScreenRect{});
    EXPECT_FALSE(w.is_minimised(gone));
    EXPECT_FALSE(w.is_hidden(gone));
    w.click(gone);
    w.post_key(gone, 0x23);
  }
  EXPECT_EQ(w.first_child(root), last);
  EXPECT_EQ(terminal::find_window_by_text(w, root, "Стоп"), kNoWindow);
}

TEST_F(TerminalContract, AWindowThatStopsAnsweringKeepsItsPlaceButGivesNoText) {
  const WindowRef hung = b.add_hung_window("Pelmora contract hung", "Стоп");
  EXPECT_TRUE(w.exists(hung));
  const WindowRef child = w.first_child(hung);
  ASSERT_NE(child, kNoWindow);
  EXPECT_EQ(w.parent(child), hung);
  w.click(child);  // comes back after its bound
  EXPECT_EQ(w.read_text(hung, 100), std::nullopt);
  EXPECT_EQ(w.kept_text(hung, 100), "Pelmora contract hung");  // the system's copy, no waiting
  EXPECT_EQ(terminal::window_text_of(w, hung), "");
  EXPECT_EQ(terminal::find_window_by_text(w, hung, "Стоп"), kNoWindow);
  EXPECT_EQ(w.find_top_level("Pelmora contract hung"), hung);  // asks the system, not the window
}

TEST_F(TerminalContract, FindsTheNestedDescendantFirstAndTheTesterControlsBehindIt) {
  const WindowRef bar = add(root, "bar");
  const WindowRef inner = add(bar, "");
  const WindowRef slider = add(inner, "");
  const WindowRef pause = add(inner, "| |");
  add(inner, "");
  add(inner, "");
  const WindowRef stop = add(inner, "Стоп");
  add(root, "Стоп");
  EXPECT_EQ(terminal::find_window_by_text(w, root, "Стоп"), stop);
  EXPECT_EQ(terminal::find_window_by_text(w, root, "стоп"), kNoWindow);
  const terminal::TesterControls found = terminal::find_tester_controls(w, root);
  EXPECT_EQ(found.pause, pause);
  EXPECT_EQ(found.slider, slider);
}

}  // namespace
}  // namespace pelmora::contract
