// Turns a window's mouse messages into the press, move and release events of
// platform::MouseSource, in the window's client coordinates. The window keeps the mouse while a
// button is down, so a drag goes on outside it.
#pragma once

#include <windows.h>

#include "platform/controls.h"

namespace pelmora::platform::win32 {

class MouseRelay {
 public:
  void set_on_down(MouseButtonHandler h) { on_down_ = std::move(h); }
  void set_on_move(MouseMoveHandler h) { on_move_ = std::move(h); }
  void set_on_up(MouseButtonHandler h) { on_up_ = std::move(h); }

  // Relays a mouse message; false for any other message. The caller still lets the default
  // procedure run, so that a right-button release raises the shortcut menu. Handlers'
  // exceptions stop here, at the window procedure's edge.
  bool relay(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  MouseButtonHandler on_down_;
  MouseMoveHandler on_move_;
  MouseButtonHandler on_up_;
};

}  // namespace pelmora::platform::win32
