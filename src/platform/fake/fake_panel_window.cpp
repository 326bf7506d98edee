// The in-memory panel window's placement and show event.
#include "platform/fake/fake_panel_window.h"

namespace pelmora::platform::fake {

void FakePanelWindow::set_visible(bool shown) {
  const bool was = visible_;
  visible_ = shown;
  if (shown && !was && on_show_) on_show_();
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
