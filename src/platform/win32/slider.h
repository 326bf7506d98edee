// The speed slider (a trackbar without ticks, fixed thumb length) and slider_frame_proc, its
// replacement window procedure that draws a silver frame round it after each paint. The
// previous procedure is kept in the slider window's user-data slot.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/child_window.h"

namespace pelmora::platform::win32 {

struct SliderArgs {
  HWND parent = nullptr;
  int id = 0;
  Bounds bounds{};
  int min = 0;
  int max = 0;
  int position = 0;
  int thumb_length = 0;  // pixels at 96 dots per inch
  int dpi = 96;          // the scale the slider is made at
};

LRESULT CALLBACK slider_frame_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Puts slider_frame_proc in place of the window's procedure, keeping the previous one in
// GWLP_USERDATA.
void install_frame_proc(HWND slider);

class Slider final : public ChildControl<platform::Slider> {
 public:
  explicit Slider(const SliderArgs& args);

  int position() const override;
  void set_position(int position) override;
  void set_on_change(Handler h) override { on_change_ = std::move(h); }
  void set_on_key_down(Handler h) override { on_key_down_ = std::move(h); }
  // The hint goes to the tooltip through the hint sink the control set installs.
  void set_hint(std::string_view hint) override;
  void set_hint_sink(std::function<void(HWND, std::string_view)> sink) {
    hint_sink_ = std::move(sink);
  }
  // The place, size and thumb at the new scale.
  void rescale(const Bounds& bounds, int dpi) override;

  void key_down();

 private:
  void on_scroll(WORD code) override;
  void notice_position();

  int min_;
  int max_;
  int thumb_length_;  // at 96 dots per inch
  int last_position_;
  Handler on_change_;
  Handler on_key_down_;
  std::function<void(HWND, std::string_view)> hint_sink_;
};

}  // namespace pelmora::platform::win32
