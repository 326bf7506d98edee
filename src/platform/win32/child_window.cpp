// Child control creation with our defaults: the given id, the default GUI font.
#include "platform/win32/child_window.h"

#include <stdexcept>
#include <string>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

UniqueWindow create_child(const ChildSpec& spec) {
  const Bounds& b = spec.bounds;
  HWND hwnd = CreateWindowExW(spec.ex_style, spec.window_class, to_wide(spec.text).c_str(),
                              WS_CHILD | WS_VISIBLE | spec.style, b.left, b.top, b.width, b.height,
                              spec.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) {
    throw std::runtime_error("cannot create control " + std::to_string(spec.id) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  HFONT font = spec.font ? spec.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return UniqueWindow(hwnd);
}

Bounds child_bounds(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace pelmora::platform::win32
