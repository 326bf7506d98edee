// The rectangles that make up the window's shape.
#include "form/window_shape.h"

#include "common/silently.h"
#include "form/layout.h"

namespace pelmora::form {

std::vector<platform::Bounds> visible_child_rects(platform::ControlSet& controls) {
  std::vector<platform::Bounds> rects;
  for (const ControlSpec& spec : form::controls()) {
    if (!spec.parent.empty()) continue;
    const platform::Control& child = controls.control(spec.name);
    if (child.visible()) rects.push_back(child.bounds());
  }
  return rects;
}

// A failure leaves the shape as it was; the next rebuild starts from scratch again.
void rebuild_window_region(platform::ControlSet& controls) noexcept {
  common::silently([&] { controls.window().set_shape(visible_child_rects(controls)); });
}

}  // namespace pelmora::form
