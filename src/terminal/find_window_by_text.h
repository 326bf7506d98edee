// find_window_by_text: the first descendant of a window, depth-first, whose text is exactly a text.
#pragma once

#include <string_view>

#include "platform/terminal_windows.h"

namespace pelmora::terminal {

// A walk gives up after this many windows, so that a tree that changes under it (windows
// moving between siblings) cannot keep it going for ever.
inline constexpr int kMaxWindowsVisited = 50000;

// The first descendant of `root`, in depth-first order (a child, then the child's own
// descendants, then the child's next sibling), whose whole text equals `text` exactly
// (case-sensitive, UTF-8 compared code unit by code unit); kNoWindow when there is none.
// A window that vanishes during the walk ends the walk of its own level.
platform::WindowRef find_window_by_text(const platform::TerminalWindows& terminal,
                                        platform::WindowRef root, std::string_view text);

}  // namespace pelmora::terminal
