// The panel window's caption, which the terminal side looks for with FindWindow.
#include "platform/win32/window.h"

#include "platform/win32/window_text.h"

namespace pelmora::platform::win32 {

std::string Window::caption() const {
  return window_text(hwnd_);
}

void Window::set_caption(std::string_view caption) {
  set_window_text(hwnd_, caption);
}

}  // namespace pelmora::platform::win32
