// The bounded window-text read.
#include "terminal/text_of_window.h"

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

std::string window_text_of(const platform::TerminalWindows& terminal, platform::WindowRef window) {
  return read_window_text(terminal, window).value_or(std::string());
}

}  // namespace pelmora::terminal
