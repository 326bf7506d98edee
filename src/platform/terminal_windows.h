// The terminal's windows as the core reaches them: walking the window tree, reading texts,
// clicking and keying. Every call accepts kNoWindow or a window that has vanished and then
// answers "none": kNoWindow, empty text, false, a zero rectangle; clicks and keys are lost.
// A terminal that stops answering never freezes the caller: texts and clicks give up after a
// short bound (a hung window reads as empty text), and the kept text needs no answer at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/window_ref.h"

namespace pelmora::platform {

class TerminalWindows {
 public:
  virtual ~TerminalWindows() = default;

  virtual WindowRef parent(WindowRef window) const = 0;
  virtual WindowRef previous_sibling(WindowRef window) const = 0;  // the one in front of it
  virtual WindowRef next_sibling(WindowRef window) const = 0;
  virtual WindowRef first_child(WindowRef window) const = 0;
  // The window's text read through the window-text messages, at most `max_chars` characters
  // (UTF-16 units before conversion; a longer text is cut, never overrun). Empty for none or a
  // vanished window; std::nullopt when the window exists but did not answer within the bound
  // (its program is hung or busy), so that callers can tell "no text" from "no answer".
  virtual std::optional<std::string> read_text(WindowRef window, int max_chars) const = 0;
  // The same, with "no answer" read as empty text.
  std::string text(WindowRef window, int max_chars) const {
    return read_text(window, max_chars).value_or(std::string());
  }
  // The text the window system keeps for the window (its title as last set), read without a
  // message, so it never waits, also on a hung window; cut as read_text cuts. Empty for none, a
  // vanished window, or a window that answers the text messages itself and keeps none there.
  virtual std::string kept_text(WindowRef window, int max_chars) const = 0;
  virtual bool is_minimised(WindowRef window) const = 0;
  // Whether the window exists and is hidden (not visible); false for none or a vanished window.
  virtual bool is_hidden(WindowRef window) const = 0;
  virtual ScreenRect rect(WindowRef window) const = 0;
  // The top-level window that has the keyboard (a child holding the activation counts as the
  // top-level window that contains it).
  virtual WindowRef foreground() const = 0;
  // A top-level window with exactly this caption, or kNoWindow.
  virtual WindowRef find_top_level(std::string_view caption) const = 0;
  // Sends a button click and waits for the button's program to handle it, up to a bound of a
  // few seconds.
  virtual void click(WindowRef button) = 0;
  // Queues a key-down then a key-up of the virtual key to the window, with no key data.
  virtual void post_key(WindowRef window, int virtual_key) = 0;
  // Whether the key is down now (asynchronous key state).
  virtual bool key_down(int virtual_key) const = 0;
  // Whether the key went down since the previous ask for this key, also when it is up again by
  // now (a tap between two asks), and whether it is down now; the first ask reads what the
  // window system kept.
  struct KeyState {
    bool down = false;
    bool pressed = false;
  };
  virtual KeyState key_state(int virtual_key) = 0;
  // Whether the window exists now.
  virtual bool exists(WindowRef window) const = 0;
};

}  // namespace pelmora::platform
