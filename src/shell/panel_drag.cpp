// Press, move and release of a panel drag.
#include "shell/panel_drag.h"

#include "shell/scaling.h"

namespace pelmora::shell {

using platform::MouseButton;

void PlaceDraggedPanel(platform::Control& panel, int x, int y, int last_x, int last_y,
                       const DragRectangle& rect, int dpi) {
  panel.set_position(snap_to_base_grid(rect.Left + (x - last_x), dpi),
                     snap_to_base_grid(rect.Top + (y - last_y), dpi));
}

void PanelDrag::mouse_down(const platform::Control& panel, MouseButton button, int x, int y) {
  if (button != MouseButton::kLeft) return;  // the right button belongs to the menu
  hide_outline();
  state_.DragLastX = x;
  state_.DragLastY = y;
  const platform::Bounds b = panel.bounds();
  state_.DragRect = {b.left, b.top, b.left + b.width, b.top + b.height};
  state_.Dragging = true;
}

void PanelDrag::mouse_move(DragOutline outline, int x, int y) {
  if (!state_.Dragging) return;
  if (outline == DragOutline::kFocusRect) hide_outline();
  const int dx = x - state_.DragLastX;
  const int dy = y - state_.DragLastY;
  DragRectangle& r = state_.DragRect;
  r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
  state_.DragLastX = x;
  state_.DragLastY = y;
  if (outline == DragOutline::kFocusRect) show_outline();
}

bool PanelDrag::mouse_up(platform::Control& panel, MouseButton button, int x, int y) {
  if (button != MouseButton::kLeft) return false;
  hide_outline();
  PlaceDraggedPanel(panel, x, y, state_.DragLastX, state_.DragLastY, state_.DragRect,
                    surface_.dpi());
  state_.Dragging = false;
  return true;
}

void PanelDrag::show_outline() {
  const DragRectangle& r = state_.DragRect;
  surface_.draw_focus_rect({r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top});
  outline_shown_ = true;
  shown_rect_ = r;
}

void PanelDrag::hide_outline() {
  if (!outline_shown_) return;
  const DragRectangle& r = shown_rect_;
  surface_.draw_focus_rect({r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top});
  outline_shown_ = false;
}

}  // namespace pelmora::shell
