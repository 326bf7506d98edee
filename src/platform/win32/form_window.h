// The panel's top-level window on Windows: a borderless layered window whose background is the
// see-through key colour, owned by a hidden owner window (the one attached to the chart), with
// its icon, snapping to the work area's edges while the user moves it, and the PanelWindow
// operations: shape, drag outline, tool-window style, attachment, posted keys, and the events of a
// change of scale and of Tab.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/panel_window.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/host_window.h"

namespace pelmora::platform::win32 {

// Distance in pixels within which a moved window snaps to an edge of the work area.
inline constexpr int kSnapDistance = 10;

// Moves `rect` (screen) so that an edge closer than kSnapDistance to the work area's edge lies
// on it; keeps its size.
void snap_to_work_area(RECT& rect, const RECT& work_area);

class FormWindow final : public PanelWindow {
 public:
  // Creates the owner and the form, hidden, at the layout's place and size at the scale of
  // the monitor it is on. Throws std::runtime_error when the system refuses.
  FormWindow();

  HWND hwnd() const { return form_.hwnd(); }
  HWND owner() const { return owner_.hwnd(); }
  HostWindow& host() { return form_; }

  std::string caption() const override;
  void set_caption(std::string_view caption) override;
  WindowRef ref() const override { return reinterpret_cast<WindowRef>(hwnd()); }
  ScreenRect rect() const override;
  int client_width() const override;
  int client_height() const override;
  int dpi() const override { return dpi_; }
  void set_on_scale_change(ScaleChangeHandler handler) override {
    on_scale_change_ = std::move(handler);
  }
  void set_on_tab(TabHandler handler) override { on_tab_ = std::move(handler); }
  void set_on_key_press(KeyPressHandler handler) override { on_key_ = std::move(handler); }
  // The message loop's report of a key press: whether the handler took the key.
  bool key_pressed(KeyChord chord, bool repeat);
  void set_on_session_end(Handler handler) override { on_session_end_ = std::move(handler); }
  // The message loop's report of Tab in the named control: whether the handler took the key.
  bool tab_pressed(std::string_view control, bool backwards);
  bool visible() const override { return IsWindowVisible(hwnd()) != FALSE; }
  void set_visible(bool shown) override;
  void set_on_show(Handler handler) override { on_show_ = std::move(handler); }
  void set_left(int left) override;
  void place_on_top(int left, int top, int width, int height) override;
  void set_shape(const std::vector<Bounds>& rects) override;
  void draw_focus_rect(const Bounds& rect) override;
  void make_tool_window() override;
  void attach_owner_to(WindowRef chart_frame) override;
  WindowRef owner_parent() const override;
  void post_key(int virtual_key) override;

 private:
  bool on_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
  void shown_if(bool was_visible);
  // Makes the key colour see-through, once, before the window is first drawn.
  void key_colour();
  // Paints the part of the window outside its region in the key colour.
  void key_outside_shape();
  void change_scale(int new_dpi, const RECT& suggested);

  HostWindow owner_;
  HostWindow form_;
  UniqueBrush key_brush_;
  UniqueIcon icon_;
  Handler on_show_;
  int dpi_;
  ScaleChangeHandler on_scale_change_;
  TabHandler on_tab_;
  KeyPressHandler on_key_;
  Handler on_session_end_;
  bool keyed_ = false;
};

}  // namespace pelmora::platform::win32
