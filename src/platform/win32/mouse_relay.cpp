// Mouse message decoding and capture for the panels and their labels.
#include "platform/win32/mouse_relay.h"
#include "platform/win32/handler_call.h"

#include <windowsx.h>

namespace pelmora::platform::win32 {

namespace {
bool button_of(UINT message, MouseButton* button, bool* down) {
  switch (message) {
    case WM_LBUTTONDOWN:
      *button = MouseButton::kLeft;
      *down = true;
      return true;
    case WM_LBUTTONUP:
      *button = MouseButton::kLeft;
      *down = false;
      return true;
    case WM_RBUTTONDOWN:
      *button = MouseButton::kRight;
      *down = true;
      return true;
    case WM_RBUTTONUP:
      *button = MouseButton::kRight;
      *down = false;
      return true;
    case WM_MBUTTONDOWN:
      *button = MouseButton::kMiddle;
      *down = true;
      return true;
    case WM_MBUTTONUP:
      *button = MouseButton::kMiddle;
      *down = false;
      return true;
    default:
      return false;
  }
}

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
}  // namespace

bool MouseRelay::relay(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const int x = GET_X_LPARAM(lparam);
  const int y = GET_Y_LPARAM(lparam);
  MouseButton button{};
  bool down = false;
  if (message == WM_MOUSEMOVE) {
    call_handler(on_move_, x, y);
    return true;
  }
  if (!button_of(message, &button, &down)) return false;
  if (down) {
    SetCapture(hwnd);
    call_handler(on_down_, button, x, y);
  } else {
    call_handler(on_up_, button, x, y);
    if (!(wparam & kAnyButton) && GetCapture() == hwnd) ReleaseCapture();
  }
  return true;
}

}  // namespace pelmora::platform::win32
