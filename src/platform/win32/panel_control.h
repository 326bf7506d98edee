// One of the four rounded panels: a child host window (its controls' notifications are routed
// through it) painted with the panel face, reporting the mouse, and opening the shortcut menu
// on a right-click.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/host_window.h"
#include "platform/win32/mouse_relay.h"

namespace pelmora::platform::win32 {

struct PanelArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  int border_width = 0;  // pixels at 96 dots per inch
  int dpi = 96;          // the scale the panel is made at
  bool visible = true;
};

class PanelControl final : public platform::Panel {
 public:
  // Receives the screen position of a shortcut-menu request on the panel or its labels.
  using MenuRequest = std::function<void(int screen_x, int screen_y)>;

  explicit PanelControl(const PanelArgs& args);

  HWND hwnd() const { return host_.hwnd(); }
  HostWindow& host() { return host_; }
  void set_on_menu_request(MenuRequest request) { on_menu_ = std::move(request); }

  bool enabled() const override { return IsWindowEnabled(hwnd()) != FALSE; }
  void set_enabled(bool on) override { EnableWindow(hwnd(), on); }
  bool visible() const override;
  void set_visible(bool shown) override { ShowWindow(hwnd(), shown ? SW_SHOWNA : SW_HIDE); }
  Bounds bounds() const override;
  void set_position(int left, int top) override;
  void set_focus() override { SetFocus(hwnd()); }
  // Moves and sizes the panel and gives it its border width at the new scale.
  void rescale(const Bounds& bounds, int dpi) override;
  void set_on_mouse_down(MouseButtonHandler h) override { mouse_.set_on_down(std::move(h)); }
  void set_on_mouse_move(MouseMoveHandler h) override { mouse_.set_on_move(std::move(h)); }
  void set_on_mouse_up(MouseButtonHandler h) override { mouse_.set_on_up(std::move(h)); }
  void set_on_move(Handler h) override { on_move_ = std::move(h); }

 private:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  void paint_face(HDC dc);

  HostWindow host_;
  int design_border_width_;  // at 96 dots per inch
  int border_width_;
  UniqueBrush silver_;
  MouseRelay mouse_;
  MenuRequest on_menu_;
  Handler on_move_;
};

}  // namespace pelmora::platform::win32
