// The panel's own top-level window: caption, place, visibility, shape, and its attachment to
// the terminal's chart. One object per program; the form owns it.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/window_ref.h"

namespace pelmora::platform {

class PanelWindow : public Window {
 public:
  using ScaleChangeHandler = std::function<void(int old_dpi, int new_dpi)>;
  // Whether the handler moved the focus, and so took the key.
  using TabHandler = std::function<bool(std::string_view control, bool backwards)>;
  // Whether the handler took the key; `repeat` is the keyboard's auto-repeat of a held key.
  using KeyPressHandler = std::function<bool(KeyChord chord, bool repeat)>;

  virtual WindowRef ref() const = 0;
  // The window's rectangle on the screen.
  virtual ScreenRect rect() const = 0;
  // The client area's size (the window has no frame, so it equals the window's).
  virtual int client_width() const = 0;
  virtual int client_height() const = 0;
  // Dots per inch of the monitor the window is on (96 at 100%): the scale its panels are laid
  // out at now. Places and sizes read from and given to controls are pixels at this scale.
  virtual int dpi() const = 0;
  // Runs when the window has moved to a monitor of another scale, or its monitor's scale
  // changed, once the window has taken its place at the new scale (dpi() gives `new_dpi`). The
  // controls stay as they were until the handler lays them out again.
  virtual void set_on_scale_change(ScaleChangeHandler handler) = 0;
  // Runs when Tab, or Shift+Tab (`backwards`), is pressed while a control of the form has the
  // keyboard focus; `control` is its given name. When the handler returns false, or fails, the
  // key goes on to the control as any other key does.
  virtual void set_on_tab(TabHandler handler) = 0;
  // Runs when a key goes down (or repeats) while a window of the panel has the keyboard, before
  // the control with the focus sees it; the modifiers are those held then. A key the handler
  // takes never reaches the control; when it returns false, or fails, the key goes on.
  virtual void set_on_key_press(KeyPressHandler handler) = 0;
  // Runs once when the user's session ends (log-off, shut-down), before the system ends the
  // program; the program may be ended without its usual end right after.
  virtual void set_on_session_end(Handler handler) = 0;

  virtual bool visible() const = 0;
  // Shows or hides the window. A change from hidden to shown raises the show handler once,
  // synchronously, after the window is shown; showing a shown window raises nothing.
  virtual void set_visible(bool shown) = 0;
  virtual void set_on_show(Handler handler) = 0;
  // Moves the window so that its left edge is at `left` (screen), keeping top and size.
  virtual void set_left(int left) = 0;
  // Moves and sizes the window, brings it in front of the other windows and shows it (which
  // raises the show handler when it was hidden).
  virtual void place_on_top(int left, int top, int width, int height) = 0;

  // Cuts the window to the union of these rectangles (client coordinates); an empty list
  // leaves nothing visible. Also switches the scroll bars off.
  virtual void set_shape(const std::vector<Bounds>& rects) = 0;
  // XOR outline in client coordinates: drawing the same rectangle twice removes it.
  virtual void draw_focus_rect(const Bounds& rect) = 0;

  // Hides the program's owner window twice and gives it and the panel window the tool-window
  // extended style (no task-bar button, no switcher entry).
  virtual void make_tool_window() = 0;
  // Makes the program's owner window a borderless child of `chart_frame`, at its top-left
  // corner, keeping its size, and shows it. The panel window stays top-level, owned by it.
  virtual void attach_owner_to(WindowRef chart_frame) = 0;
  // The window the owner window is a child of now (the chart frame once attached); kNoWindow
  // while it is top-level. Asks the system, never the terminal.
  virtual WindowRef owner_parent() const = 0;
  // Queues a key-down then a key-up of the virtual key to the panel window, with no key data.
  virtual void post_key(int virtual_key) = 0;
};

}  // namespace pelmora::platform
