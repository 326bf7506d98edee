// GetWindowTextOf: a window's text, read through a bounded buffer, from any process.
#pragma once

#include <optional>
#include <string>

#include "platform/terminal_windows.h"

namespace pelmora::terminal {

// The text buffer holds this many characters, the terminating zero included.
inline constexpr int kWindowTextBufferChars = 3000;

// The window's text, cut to kWindowTextBufferChars - 1 characters; empty for no window, a
// vanished window, or one that does not answer in time.
std::string GetWindowTextOf(const platform::TerminalWindows& terminal, platform::WindowRef window);

// The same, except that a window that exists but does not answer gives std::nullopt.
std::optional<std::string> read_window_text(const platform::TerminalWindows& terminal,
                                            platform::WindowRef window);

}  // namespace pelmora::terminal
