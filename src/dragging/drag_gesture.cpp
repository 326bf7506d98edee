// Press, move and release of a panel drag.
#include "dragging/drag_gesture.h"

#include "form/scaling.h"

namespace pelmora::dragging {

using platform::MouseButton;

void place_dragged_panel(platform::Control& panel, int x, int y, int last_x, int last_y,
                         const DragRectangle& rect, int dpi) {
  panel.set_position(form::snap_to_base_grid(rect.left + (x - last_x), dpi),
                     form::snap_to_base_grid(rect.top + (y - last_y), dpi));
}

void DragGesture::mouse_down(const platform::Control& panel, MouseButton button, int x, int y) {
  if (button != MouseButton::kLeft) return;  // the right button belongs to the menu
  hide_outline();
  state_.last_x = x;
  state_.last_y = y;
  const platform::Bounds b = panel.bounds();
  state_.rect = {b.left, b.top, b.left + b.width, b.top + b.height};
  state_.dragging = true;
}

void DragGesture::mouse_move(DragOutline outline, int x, int y) {
  if (!state_.dragging) return;
  if (outline == DragOutline::kFocusRect) hide_outline();
  const int dx = x - state_.last_x;
  const int dy = y - state_.last_y;
  DragRectangle& r = state_.rect;
  r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  state_.last_x = x;
  state_.last_y = y;
  if (outline == DragOutline::kFocusRect) show_outline();
}

bool DragGesture::mouse_up(platform::Control& panel, MouseButton button, int x, int y) {
  if (button != MouseButton::kLeft) return false;
  hide_outline();
  place_dragged_panel(panel, x, y, state_.last_x, state_.last_y, state_.rect, surface_.dpi());
  state_.dragging = false;
  return true;
}

void DragGesture::show_outline() {
  const DragRectangle& r = state_.rect;
  surface_.draw_focus_rect({r.left, r.top, r.right - r.left, r.bottom - r.top});
  outline_shown_ = true;
  shown_rect_ = r;
}

void DragGesture::hide_outline() {
  if (!outline_shown_) return;
  const DragRectangle& r = shown_rect_;
  surface_.draw_focus_rect({r.left, r.top, r.right - r.left, r.bottom - r.top});
  outline_shown_ = false;
}

}  // namespace pelmora::dragging
