// The bounded window-text read.
#include "terminal/window_text.h"

namespace pelmora::terminal {

std::optional<std::string> read_window_text(const platform::TerminalWindows& terminal,
                                            platform::WindowRef window) {
  if (window == platform::kNoWindow) return std::string();
  return terminal.read_text(window, kWindowTextBufferChars - 1);
}

std::optional<std::string> read_window_title(const platform::TerminalWindows& terminal,
                                             platform::WindowRef window) {
  std::string kept = terminal.kept_text(window, kWindowTextBufferChars - 1);
  if (!kept.empty()) return kept;
  return read_window_text(terminal, window);
}

std::string GetWindowTextOf(const platform::TerminalWindows& terminal, platform::WindowRef window) {
  return read_window_text(terminal, window).value_or(std::string());
}

}  // namespace pelmora::terminal
