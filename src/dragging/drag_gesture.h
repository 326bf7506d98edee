// Dragging a panel inside the form with the left mouse button: the press takes the panel's
// bounds, moves carry an outline (an XOR rectangle for the floating panels, nothing for main),
// and the release places the panel by the whole distance the mouse travelled.
#pragma once

#include "platform/controls.h"
#include "platform/panel_window.h"

namespace pelmora::dragging {

// A rectangle of the form's client area: outer edges, right and bottom exclusive.
struct DragRectangle {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const DragRectangle&) const = default;
};

// One drag state for the whole form: only one panel is dragged at a time.
struct DragState {
  bool dragging = false;
  int last_x = 0;  // last mouse position, in the sender's client coordinates
  int last_y = 0;
  DragRectangle rect;  // where the panel will go
};

enum class DragOutline { kNone, kFocusRect };

// The panel's Left := rect.left + (x - last_x), Top := rect.top + (y - last_y), taken to the
// nearest place a whole 96-dpi place shows at when the window is at `dpi` (the same place at 96),
// so that the stored place brings the panel back to exactly that spot.
void place_dragged_panel(platform::Control& panel, int x, int y, int last_x, int last_y,
                         const DragRectangle& rect, int dpi = 96);

class DragGesture {
 public:
  // `surface` is where the outline is drawn; held, not owned.
  explicit DragGesture(platform::PanelWindow& surface) : surface_(surface) {}

  // Positions are in the sending control's client coordinates.
  void mouse_down(const platform::Control& panel, platform::MouseButton button, int x, int y);
  void mouse_move(DragOutline outline, int x, int y);
  // Places the panel on a left release, whether or not a press started a drag; returns true
  // when it did, so that the caller rebuilds the window's shape.
  bool mouse_up(platform::Control& panel, platform::MouseButton button, int x, int y);

  const DragState& state() const { return state_; }

 private:
  void show_outline();
  void hide_outline();

  platform::PanelWindow& surface_;
  DragState state_;
  // The outline is drawn on the screen, where nothing hides it: remember whether one is shown,
  // so that an XOR never leaves a stray rectangle behind (a release without a press, or the
  // first move, which has nothing to remove yet).
  bool outline_shown_ = false;
  DragRectangle shown_rect_;
};

}  // namespace pelmora::dragging
