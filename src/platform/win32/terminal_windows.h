// The terminal's windows through user32. Texts and clicks are sent with a bound, so a terminal
// that stops answering costs the panel one bounded wait, not a freeze: after a thread has let a
// message time out, its windows are not asked again for a quiet spell.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/terminal_windows.h"

namespace pelmora::platform::win32 {

class Win32TerminalWindows : public TerminalWindows {
 public:
  struct Bounds {
    DWORD text_ms = 200;    // one window-text message
    DWORD click_ms = 3000;  // a click, which waits for the tester to handle it
    DWORD quiet_ms = 2000;  // how long a thread that did not answer is left alone
  };

  Win32TerminalWindows() : Win32TerminalWindows(Bounds{}) {}
  explicit Win32TerminalWindows(Bounds bounds) : bounds_(bounds) {}

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
  struct QuietThread {
    DWORD thread;
    ULONGLONG until;
  };
  // Sends the message, waiting at most `timeout_ms`; false when the window is gone or did not
  // answer in time.
  bool send_bounded(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, DWORD timeout_ms,
                    DWORD_PTR* result) const;
  WindowRef related(WindowRef window, UINT relation) const;

  Bounds bounds_;
  mutable std::vector<QuietThread> quiet_threads_;
};

}  // namespace pelmora::platform::win32
