// Window class registration in this module's instance.
#include "platform/win32/window_class.h"

#include <stdexcept>
#include <string>

namespace pelmora::platform::win32 {

const wchar_t* register_window_class(const WindowClassSpec& spec) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = spec.proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = spec.cursor;
  wc.hbrBackground = spec.background;
  wc.lpszClassName = spec.name;
  if (!RegisterClassExW(&wc)) {
    throw std::runtime_error("cannot register a window class (error " +
                             std::to_string(GetLastError()) + ")");
  }
  return spec.name;
}

}  // namespace pelmora::platform::win32
