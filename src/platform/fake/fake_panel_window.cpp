// The in-memory panel window's placement and its events.
#include "platform/fake/fake_panel_window.h"

namespace pelmora::platform::fake {

void FakePanelWindow::set_visible(bool shown) {
  const bool was = visible_;
  visible_ = shown;
  if (shown && !was) call_(on_show_);
}

void FakePanelWindow::change_dpi(int dpi) {
  const int old = dpi_;
  dpi_ = dpi;
  if (dpi != old) call_(on_scale_change_, old, dpi);
}

bool FakePanelWindow::press_tab(std::string_view control, bool backwards) {
  bool taken = false;
  if (on_tab_) call_.run([&] { taken = on_tab_(control, backwards); });
  return taken;
}

void FakePanelWindow::set_left(int left) {
  rect_.right += left - rect_.left;
  rect_.left = left;
}

void FakePanelWindow::place_on_top(int left, int top, int width, int height) {
  rect_ = {left, top, left + width, top + height};
  set_visible(true);
}

void FakePanelWindow::set_shape(const std::vector<Bounds>& rects) {
  shape_ = rects;
  ++shape_changes_;
}

}  // namespace pelmora::platform::fake
