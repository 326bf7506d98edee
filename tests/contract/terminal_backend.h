// What the terminal-window contract tests need of a backend: a terminal window tree they can
// build and change, and what its windows received. One implementation per backend (the fake
// tree natively, real windows under Wine); terminal_contract_test.cpp runs on both.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/terminal_windows.h"

namespace pelmora::contract {

class TerminalBackend {
 public:
  virtual ~TerminalBackend() = default;
  virtual platform::TerminalWindows& windows() = 0;

  // A window under `parent` (kNoWindow: top level) at `rect` on the screen, behind its
  // existing siblings. It stays until destroyed or until the backend goes.
  virtual platform::WindowRef add_window(platform::WindowRef parent, std::string_view text,
                                         platform::ScreenRect rect) = 0;
  virtual void destroy(platform::WindowRef window) = 0;
  virtual void bring_to_front(platform::WindowRef window) = 0;
  virtual void set_minimised(platform::WindowRef top_level, bool minimised) = 0;
  virtual void set_hidden(platform::WindowRef top_level, bool hidden) = 0;
  // A top-level window with one child, both of a program that has stopped answering messages.
  virtual platform::WindowRef add_hung_window(std::string_view text,
                                              std::string_view child_text) = 0;

  // Clicks that reached the window, and the virtual keys of the key presses (a key-down then a
  // key-up, with no key data) it has handled so far.
  virtual int clicks(platform::WindowRef window) = 0;
  virtual std::vector<int> key_presses(platform::WindowRef window) = 0;
};

std::unique_ptr<TerminalBackend> make_terminal_backend();

}  // namespace pelmora::contract
