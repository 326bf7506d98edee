// An in-memory terminal window tree for native tests: windows with parents, children in z-order,
// texts, rectangles, minimised and hidden flags, a foreground window, hung and vanishing windows.
// It keeps the contract of platform/terminal_windows.h and records the clicks and keys it is sent.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/fake/handler_caller.h"
#include "platform/terminal_windows.h"

namespace pelmora::platform::fake {

class FakeTerminal : public TerminalWindows {
 public:
  struct PostedKey {
    WindowRef window;
    int virtual_key;
    bool operator==(const PostedKey&) const = default;
  };

  // --- building and changing the tree (the terminal's side) ---
  // A new window under `parent` (kNoWindow: top level), behind its existing siblings. Handles
  // are never 0, never small numbers such as 100, and never reused.
  WindowRef add_window(WindowRef parent, std::string text = {}, ScreenRect rect = {});
  // Puts the window in front of its siblings (it then has no previous sibling).
  void bring_to_front(WindowRef window);
  void set_text(WindowRef window, std::string text);
  void set_rect(WindowRef window, ScreenRect rect);
  void set_minimised(WindowRef window, bool minimised);
  void set_hidden(WindowRef window, bool hidden);
  // A hung window still has its place, rectangle and caption, but answers no message: its text
  // reads as "no answer" and clicks on it are lost.
  void set_hung(WindowRef window, bool hung);
  // A window that answers the text messages itself keeps no text with the system: its kept
  // text reads empty, and only a message (which a hung window does not answer) reads it.
  void set_answers_own_text(WindowRef window, bool own);
  // Any window, also one outside this tree such as the panel's own; a destroyed one goes.
  void set_foreground(WindowRef window) { foreground_ = window; }
  // Destroys the window and its descendants.
  void destroy(WindowRef window);
  // Destroys the window (and its descendants) right before the `calls`-th next call of the
  // TerminalWindows interface, to make it vanish in the middle of a caller's work.
  void destroy_before_call(WindowRef window, int calls);
  // Runs when a click reaches the window (a tester button toggling its caption, say).
  void set_on_click(WindowRef window, Handler handler);
  // Where a failing click handler shows (held, not owned), so that it does not reach the panel
  // that clicked, as a real terminal's would not; nullptr lets it through to the test.
  void report_failures_to(MessageBoxes* boxes) { call_.report_to(boxes); }
  bool reports_failures_to(const MessageBoxes* boxes) const { return call_.reports_to(boxes); }
  void set_key_down(int virtual_key, bool down);
  // The key goes down and up again between two asks.
  void tap_key(int virtual_key) { taps_.push_back(virtual_key); }

  // --- what the panel did ---
  const std::vector<WindowRef>& clicks() const { return clicks_; }
  const std::vector<PostedKey>& posted_keys() const { return posted_keys_; }
  void clear_records();
  // Interface calls so far, and text reads or clicks that got no answer.
  int calls() const { return calls_; }
  int unanswered() const { return unanswered_; }

  // --- TerminalWindows ---
  WindowRef parent(WindowRef window) const override;
  WindowRef previous_sibling(WindowRef window) const override;
  WindowRef next_sibling(WindowRef window) const override;
  WindowRef first_child(WindowRef window) const override;
  std::optional<std::string> read_text(WindowRef window, int max_chars) const override;
  std::string kept_text(WindowRef window, int max_chars) const override;
  bool is_minimised(WindowRef window) const override;
  bool is_hidden(WindowRef window) const override;
  ScreenRect rect(WindowRef window) const override;
  WindowRef foreground() const override;
  WindowRef find_top_level(std::string_view caption) const override;
  void click(WindowRef button) override;
  void post_key(WindowRef window, int virtual_key) override;
  bool key_down(int virtual_key) const override;
  KeyState key_state(int virtual_key) override;
  bool exists(WindowRef window) const override;

 private:
  struct Node {
    WindowRef parent = kNoWindow;
    std::vector<WindowRef> children;  // front first
    std::string text;
    ScreenRect rect;
    bool minimised = false;
    bool hidden = false;
    bool hung = false;
    bool own_text = false;
    Handler on_click;
  };
  struct PendingDestroy {
    WindowRef window;
    int at_call;
  };

  // Counts a call and carries out the destructions due at it. The tree changes under const
  // calls because the terminal is another program that changes whenever it likes.
  void note_call() const;
  const Node* find(WindowRef window) const;
  Node& node(WindowRef window);
  void destroy_now(WindowRef window) const;
  WindowRef sibling(WindowRef window, int step) const;

  mutable std::map<WindowRef, Node> nodes_;
  mutable std::vector<PendingDestroy> pending_;
  mutable int calls_ = 0;
  mutable int unanswered_ = 0;
  mutable WindowRef foreground_ = kNoWindow;
  WindowRef next_handle_ = 0x20004;
  std::vector<int> keys_down_;
  std::vector<int> taps_;     // pressed since the last ask, down or up again
  std::vector<int> noticed_;  // down at the last ask
  std::vector<WindowRef> clicks_;
  std::vector<PostedKey> posted_keys_;
  HandlerCaller call_;
};

}  // namespace pelmora::platform::fake
