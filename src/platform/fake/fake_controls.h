// In-memory controls for native tests. They keep the contracts of platform/controls.h and let a
// test act as the user or as the other process (type, click, select) and count what was done.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/fake/handler_caller.h"

namespace pelmora::platform::fake {

template <typename Base>
class FakeControlBase : public Base {
 public:
  explicit FakeControlBase(Bounds bounds = {}) : bounds_(bounds) {}
  bool enabled() const override { return enabled_; }
  void set_enabled(bool on) override { enabled_ = on; }
  bool visible() const override { return visible_; }
  void set_visible(bool shown) override { visible_ = shown; }
  Bounds bounds() const override { return bounds_; }
  void set_position(int left, int top) override {
    bounds_.left = left;
    bounds_.top = top;
  }
  void set_focus() override {
    if (on_focus_) on_focus_();
  }
  // The keyboard focus left the control for another, or for another window.
  virtual void focus_lost() {}
  void rescale(const Bounds& bounds, int dpi) override {
    bounds_ = bounds;
    dpi_ = dpi;
  }

  // The scale the control was last laid out at; 0 until it is rescaled.
  int dpi() const { return dpi_; }
  // Runs when the control is given the focus (the control set records who has it).
  void set_focus_observer(Handler observer) { on_focus_ = std::move(observer); }
  // Where the failures of the control's handlers show (see HandlerCaller).
  void report_failures_to(MessageBoxes& boxes) { call_.report_to(&boxes); }

 protected:
  HandlerCaller call_;

 private:
  bool enabled_ = true;
  bool visible_ = true;
  Bounds bounds_;
  int dpi_ = 0;
  Handler on_focus_;
};

class FakeEdit : public FakeControlBase<Edit> {
 public:
  explicit FakeEdit(std::string text = {}, Bounds bounds = {});
  std::string text() const override { return text_; }
  void set_text(std::string_view text) override;
  void set_on_change(Handler handler) override { on_change_ = std::move(handler); }
  void set_on_key_down(Handler handler) override { on_key_down_ = std::move(handler); }
  void set_on_key_up(Handler handler) override { on_key_up_ = std::move(handler); }
  bool has_focus() const override { return focused_; }
  void set_on_focus_lost(Handler handler) override { on_focus_lost_ = std::move(handler); }
  void set_focus() override {
    focused_ = true;
    FakeControlBase::set_focus();
  }
  void focus_lost() override {
    focused_ = false;
    call_(on_focus_lost_);
  }

  // The user or the terminal side writes the text (raises the change handler like set_text).
  void type(std::string_view text) { set_text(text); }
  // The user presses and releases a key in the field.
  void key_down() { call_(on_key_down_); }
  void key_up() { call_(on_key_up_); }
  int writes() const { return writes_; }

 private:
  std::string text_;
  Handler on_change_;
  Handler on_key_down_;
  Handler on_key_up_;
  Handler on_focus_lost_;
  bool focused_ = false;
  int writes_ = 0;
};

class FakeButton : public FakeControlBase<Button> {
 public:
  explicit FakeButton(std::string caption = {}, Bounds bounds = {});
  std::string text() const override { return text_; }
  void set_text(std::string_view text) override { text_ = text; }
  void set_on_click(Handler handler) override { on_click_ = std::move(handler); }
  void repaint() override { ++repaints_; }
  // A click by the user; a disabled or hidden button ignores it, as a real one does.
  void click();
  int repaints() const { return repaints_; }

 private:
  std::string text_;
  Handler on_click_;
  int repaints_ = 0;
};

class FakeListBox : public FakeControlBase<ListBox> {
 public:
  using FakeControlBase::FakeControlBase;
  int count() const override { return static_cast<int>(items_.size()); }
  std::string item(int index) const override;
  void replace(int index, std::string_view text) override;
  void append(std::string_view text) override;
  void truncate(int index) override;
  void clear() override;
  int selected() const override { return selected_; }
  void select(int index) override;
  void set_redraw(bool on) override;
  void set_on_select(Handler handler) override { on_select_ = std::move(handler); }

  // The user selects an item with the mouse or keyboard.
  void user_select(int index);
  const std::vector<std::string>& items() const { return items_; }
  int item_writes() const { return item_writes_; }
  bool redraw_suspended() const { return redraw_off_; }
  int redraw_suspensions() const { return redraw_suspensions_; }

 private:
  std::vector<std::string> items_;
  int selected_ = kNoSelection;
  Handler on_select_;
  int item_writes_ = 0;
  bool redraw_off_ = false;
  int redraw_suspensions_ = 0;
};

class FakeMenuItem : public MenuItem {
 public:
  bool enabled() const override { return enabled_; }
  void set_enabled(bool on) override { enabled_ = on; }
  void set_on_click(Handler handler) override { on_click_ = std::move(handler); }
  void click();
  void report_failures_to(MessageBoxes& boxes) { call_.report_to(&boxes); }

 private:
  bool enabled_ = true;
  Handler on_click_;
  HandlerCaller call_;
};

class FakeWindow : public Window {
 public:
  explicit FakeWindow(std::string caption = {}) : caption_(std::move(caption)) {}
  std::string caption() const override { return caption_; }
  void set_caption(std::string_view caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

}  // namespace pelmora::platform::fake
