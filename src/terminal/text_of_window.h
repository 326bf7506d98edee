// window_text_of: a window's text, read through a bounded buffer, from any process.
#pragma once

#include <optional>
#include <string>

#include "platform/terminal_windows.h"

namespace pelmora::terminal {

// The text buffer holds this many characters, the terminating zero included.
inline constexpr int kWindowTextBufferChars = 3000;

// The window's text, cut to kWindowTextBufferChars - 1 characters; empty for no window, a
// vanished window, or one that does not answer in time.
std::string window_text_of(const platform::TerminalWindows& terminal, platform::WindowRef window);

// The same, except that a window that exists but does not answer gives std::nullopt.
std::optional<std::string> read_window_text(const platform::TerminalWindows& terminal,
                                            platform::WindowRef window);

// A window's title as the system keeps it, which needs no answer from the window's program; only
// when that reads empty (a closed window, or one that keeps its text itself) is the window
// asked, as read_window_text asks. A hung terminal thus holds no one reading a titled window.
std::optional<std::string> read_window_title(const platform::TerminalWindows& terminal,
                                             platform::WindowRef window);

}  // namespace pelmora::terminal
