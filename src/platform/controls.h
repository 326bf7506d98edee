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
};

// A control with a caption or text, UTF-8.
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
  // The change handler runs whenever the text actually changes: synchronously inside set_text,
  // and when the user or another process changes it. Writing the same text raises nothing.
  virtual void set_on_change(Handler handler) = 0;
};

class Button : public TextControl {
 public:
  virtual void set_on_click(Handler handler) = 0;
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
