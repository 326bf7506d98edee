// The panel's window in memory: it records what the core asked of it (shapes, outlines, keys)
// so tests can check the requests, and a test raises its events (a change of scale, Tab).
#pragma once

#include <string>
#include <vector>

#include "platform/fake/handler_caller.h"
#include "platform/panel_window.h"

namespace pelmora::platform::fake {

class FakePanelWindow : public PanelWindow {
 public:
  explicit FakePanelWindow(ScreenRect rect, std::string caption = {})
      : rect_(rect), caption_(std::move(caption)) {}

  std::string caption() const override { return caption_; }
  void set_caption(std::string_view caption) override { caption_ = caption; }
  WindowRef ref() const override { return kRef; }
  ScreenRect rect() const override { return rect_; }
  int client_width() const override { return rect_.right - rect_.left; }
  int client_height() const override { return rect_.bottom - rect_.top; }
  int dpi() const override { return dpi_; }
  // The scale the window starts at, raising nothing.
  void set_dpi(int dpi) { dpi_ = dpi; }
  void set_on_scale_change(ScaleChangeHandler handler) override {
    on_scale_change_ = std::move(handler);
  }
  void set_on_tab(TabHandler handler) override { on_tab_ = std::move(handler); }
  void set_on_session_end(Handler handler) override { on_session_end_ = std::move(handler); }
  void set_on_key_press(KeyPressHandler handler) override { on_key_press_ = std::move(handler); }
  bool visible() const override { return visible_; }
  void set_visible(bool shown) override;
  void set_on_show(Handler handler) override { on_show_ = std::move(handler); }
  void set_left(int left) override;
  void place_on_top(int left, int top, int width, int height) override;
  void set_shape(const std::vector<Bounds>& rects) override;
  void draw_focus_rect(const Bounds& rect) override { focus_rects_.push_back(rect); }
  void make_tool_window() override { ++tool_window_calls_; }
  void attach_owner_to(WindowRef chart_frame) override {
    attached_to_ = chart_frame;
    ++attach_calls_;
  }
  WindowRef owner_parent() const override { return attached_to_; }
  void post_key(int virtual_key) override { posted_keys_.push_back(virtual_key); }

  static constexpr WindowRef kRef = 0x5150;

  // The window moves to a monitor at `dpi`: the scale handler runs when it differs.
  void change_dpi(int dpi);
  // Tab (or Shift+Tab) in the named control; whether the handler took the key.
  bool press_tab(std::string_view control, bool backwards);
  // A key pressed (or repeated) while the panel has the keyboard; whether the handler took it.
  bool press_key(KeyChord chord, bool repeat = false) {
    bool taken = false;
    call_.run([&] { taken = on_key_press_ && on_key_press_(chord, repeat); });
    return taken;
  }
  // The user logs off.
  void end_session() { call_(on_session_end_); }
  // Where the failures of the window's handlers show (see HandlerCaller).
  void report_failures_to(MessageBoxes& boxes) { call_.report_to(&boxes); }

  // What was asked, for the tests.
  const std::vector<Bounds>& shape() const { return shape_; }
  int shape_changes() const { return shape_changes_; }
  const std::vector<Bounds>& focus_rects() const { return focus_rects_; }
  const std::vector<int>& posted_keys() const { return posted_keys_; }
  int tool_window_calls() const { return tool_window_calls_; }
  WindowRef attached_to() const { return attached_to_; }
  int attach_calls() const { return attach_calls_; }

 private:
  ScreenRect rect_;
  std::string caption_;
  bool visible_ = false;
  int dpi_ = 96;
  Handler on_show_;
  ScaleChangeHandler on_scale_change_;
  TabHandler on_tab_;
  Handler on_session_end_;
  KeyPressHandler on_key_press_;
  HandlerCaller call_;
  std::vector<Bounds> shape_;
  int shape_changes_ = 0;
  std::vector<Bounds> focus_rects_;
  std::vector<int> posted_keys_;
  int tool_window_calls_ = 0;
  WindowRef attached_to_ = kNoWindow;
  int attach_calls_ = 0;
};

}  // namespace pelmora::platform::fake
