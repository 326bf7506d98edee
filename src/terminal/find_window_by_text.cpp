// Depth-first search of a window tree, kept iterative so that no tree depth can exhaust the stack.
#include "terminal/find_window_by_text.h"

#include <vector>

#include "terminal/text_of_window.h"

namespace pelmora::terminal {

using platform::kNoWindow;
using platform::WindowRef;

WindowRef find_window_by_text(const platform::TerminalWindows& terminal, WindowRef root,
                              std::string_view text) {
  if (root == kNoWindow) return kNoWindow;
  // Windows whose following siblings are still to be visited, innermost last.
  std::vector<WindowRef> pending;
  WindowRef window = terminal.first_child(root);
  for (int visited = 0;;) {
    if (window == kNoWindow) {
      if (pending.empty()) return kNoWindow;
      window = terminal.next_sibling(pending.back());
      pending.pop_back();
      continue;
    }
    if (++visited > kMaxWindowsVisited) return kNoWindow;
    if (window_text_of(terminal, window) == text) return window;
    pending.push_back(window);
    window = terminal.first_child(window);
  }
}

}  // namespace pelmora::terminal
