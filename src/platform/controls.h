// The controls the core asks of the window system. Each backend (platform/fake, platform/win32)
// keeps the contracts written here; tests/contract checks both against the same cases.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pelmora::platform {

using Handler = std::function<void()>;

// Anything that can be switched on and off: controls and menu items.
class Switchable {
 public:
  virtual ~Switchable() = default;
  virtual bool enabled() const = 0;
  virtual void set_enabled(bool on) = 0;
};

// Place and size in pixels, relative to the parent's client area.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds&) const = default;
};

class Control : public Switchable {
 public:
  // The control's own visibility flag (not whether its parent is shown).
  virtual bool visible() const = 0;
  virtual void set_visible(bool shown) = 0;
  virtual Bounds bounds() const = 0;
  // Moves the control inside its parent; the size stays.
  virtual void set_position(int left, int top) = 0;
  // Gives the control the keyboard focus; a radio group gives it to its selected choice (the
  // first when none is selected).
  virtual void set_focus() = 0;
  // The control at another display scale: `bounds` in pixels at `dpi` in its parent's client
  // area, and what else it draws at a scale (its font, a list's item height, a slider's thumb, a
  // panel's border, the places of a group's choices). Texts, selection, visibility and enabled
  // state stay as they are.
  virtual void rescale(const Bounds& bounds, int dpi) = 0;
};

// A control with a caption or text, UTF-8. Every handler of every control runs through the rule
// of platform/handler_call.h: what it throws shows in the general error box.
class TextControl : public Control {
 public:
  // The whole current text. Another process may have changed it since the last call, so the
  // backend reads it from the control every time.
  virtual std::string text() const = 0;
  // Replaces the whole text.
  virtual void set_text(std::string_view text) = 0;
};

// A single-line edit or a multi-line memo. Multi-line text uses "\r\n" between lines.
class Edit : public TextControl {
 public:
  // set_text also puts the caret at the end of the new text, where typing goes on.
  // The change handler runs whenever the text actually changes: synchronously inside set_text,
  // and when the user or another process changes it. Writing the same text raises nothing.
  virtual void set_on_change(Handler handler) = 0;
  // A key pressed or released while the field has the keyboard focus.
  virtual void set_on_key_down(Handler handler) = 0;
  virtual void set_on_key_up(Handler handler) = 0;
  // Whether the field holds the keyboard focus now.
  virtual bool has_focus() const = 0;
  // Runs when the field loses the keyboard focus, whoever moved it (the user, the program, or
  // another window taking the keyboard); has_focus() is false by then.
  virtual void set_on_focus_lost(Handler handler) = 0;
};

class Button : public TextControl {
 public:
  virtual void set_on_click(Handler handler) = 0;
  // Repaints the button's native window (hidden and shown again at once); its visibility flag,
  // enabled state and text stay as they are.
  virtual void repaint() = 0;
};

enum class MouseButton { kLeft, kRight, kMiddle };
// Press and release: the button and the position in the sender's own client coordinates.
using MouseButtonHandler = std::function<void(MouseButton button, int x, int y)>;
// Move: the position in the sender's own client coordinates, whatever buttons are down.
using MouseMoveHandler = std::function<void(int x, int y)>;

// A control that reports the mouse over it: the panels and their labels.
class MouseSource {
 public:
  virtual ~MouseSource() = default;
  virtual void set_on_mouse_down(MouseButtonHandler handler) = 0;
  virtual void set_on_mouse_move(MouseMoveHandler handler) = 0;
  virtual void set_on_mouse_up(MouseButtonHandler handler) = 0;
};

// A static caption drawn on its panel.
class Label : public TextControl, public MouseSource {};

// One of the rounded panels that carry the controls.
class Panel : public Control, public MouseSource {
 public:
  // Runs after the panel has moved, by set_position or rescale.
  virtual void set_on_move(Handler handler) = 0;
};

// A pair of small step buttons: down on the left, up on the right. Each press gives one step
// when released over the button; held down, it repeats after 400 ms and then every 100 ms.
class SpinButtons : public Control {
 public:
  virtual void set_on_up(Handler handler) = 0;
  virtual void set_on_down(Handler handler) = 0;
};

// A horizontal slider with a whole-number position inside its range.
class Slider : public Control {
 public:
  virtual int position() const = 0;
  // Clamps into the range; a real change raises the change handler, synchronously.
  virtual void set_position(int position) = 0;
  // Runs when the position changes, by the user or by set_position.
  virtual void set_on_change(Handler handler) = 0;
  virtual void set_on_key_down(Handler handler) = 0;
  virtual void set_hint(std::string_view hint) = 0;
};

// A captioned group of two exclusive choices.
class RadioGroup : public Control {
 public:
  static constexpr int kNoChoice = -1;
  // The selected choice: kNoChoice, 0 or 1.
  virtual int selected() const = 0;
  // Clamps into kNoChoice..1; kNoChoice clears the selection.
  virtual void select(int choice) = 0;
  // Runs when the choice changes, by the user or by select(), synchronously.
  virtual void set_on_change(Handler handler) = 0;
};

// A list of text items with at most one selected item.
class ListBox : public Control {
 public:
  static constexpr int kNoSelection = -1;

  virtual int count() const = 0;
  // The text of item `index`; empty for an index out of range.
  virtual std::string item(int index) const = 0;
  // Replaces item `index` (0 <= index < count) in place; the selected position is kept, also
  // when the selected item itself is replaced. An item whose text is unchanged is not rewritten.
  virtual void replace(int index, std::string_view text) = 0;
  virtual void append(std::string_view text) = 0;
  // Removes the items from `index` on. A selection among them is lost.
  virtual void truncate(int index) = 0;
  // Removes every item; nothing is selected afterwards.
  virtual void clear() = 0;
  virtual int selected() const = 0;
  // Selects `index` (or nothing for kNoSelection) without raising the select handler.
  virtual void select(int index) = 0;
  // Suspends (false) and resumes (true) repainting around a batch of changes.
  virtual void set_redraw(bool on) = 0;
  // Runs when the user moves the selection with the mouse or the keyboard.
  virtual void set_on_select(Handler handler) = 0;
};

// A key with the modifiers held with it. `key` is a virtual-key code, 0 for none.
struct KeyChord {
  static constexpr int kShift = 1;
  static constexpr int kCtrl = 2;
  static constexpr int kAlt = 4;
  int key = 0;
  int modifiers = 0;  // kShift | kCtrl | kAlt
  bool operator==(const KeyChord&) const = default;
};

// The system's field that shows a key chord and takes the one the user presses in it.
class KeyField : public Control {
 public:
  virtual KeyChord chord() const = 0;
  // Shows `chord`; a chord with no key empties the field.
  virtual void set_chord(KeyChord chord) = 0;
};

// An item of a pop-up menu.
class MenuItem : public Switchable {
 public:
  virtual void set_on_click(Handler handler) = 0;
};

// A repeating timer that fires on the user-interface thread. A disabled timer does not fire;
// changing the interval of a running timer restarts its period.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual bool enabled() const = 0;
  virtual void set_enabled(bool on) = 0;
  virtual int interval_ms() const = 0;
  virtual void set_interval_ms(int ms) = 0;
  virtual void set_on_tick(Handler handler) = 0;
};

// The panel's own top-level window.
class Window {
 public:
  virtual ~Window() = default;
  virtual std::string caption() const = 0;
  virtual void set_caption(std::string_view caption) = 0;
};

}  // namespace pelmora::platform
