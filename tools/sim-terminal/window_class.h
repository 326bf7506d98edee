// Window classes whose procedure forwards every message to a C++ object stored with the
// window (passed as the creation parameter, kept in GWLP_USERDATA).
#pragma once

#include <windows.h>

namespace pelmora::sim_terminal {

template <class T, LRESULT (T::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK object_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!object) return DefWindowProcW(hwnd, message, wparam, lparam);
  const LRESULT result = (object->*Handler)(hwnd, message, wparam, lparam);
  // Messages after the last one must not reach an object that may already be gone.
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  return result;
}

// Registers the class once per process; true when it is registered (now or before).
inline bool register_window_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                  HBRUSH background) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = background;
  window_class.lpszClassName = name;
  if (RegisterClassExW(&window_class)) return true;
  return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace pelmora::sim_terminal
