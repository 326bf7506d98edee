// Registration of our own window classes, once per process.
#pragma once

#include <windows.h>

namespace pelmora::platform::win32 {

struct WindowClassSpec {
  const wchar_t* name = nullptr;
  WNDPROC proc = nullptr;
  HCURSOR cursor = nullptr;     // shared system cursor, not owned
  HBRUSH background = nullptr;  // system colour brush (COLOR_x + 1) or nullptr
};

// Registers the class and returns its name; throws std::runtime_error when the system refuses.
// Call it from a function-local static so that it runs once:
//   static const wchar_t* const kClass = register_window_class({...});
const wchar_t* register_window_class(const WindowClassSpec& spec);

}  // namespace pelmora::platform::win32
