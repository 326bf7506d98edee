// The rectangles that make up the window's shape.
#include "shell/window_shape.h"

#include "shell/layout.h"

namespace pelmora::shell {

std::vector<platform::Bounds> visible_child_rects(platform::ControlSet& controls) {
  std::vector<platform::Bounds> rects;
  for (const ControlSpec& spec : shell::controls()) {
    if (!spec.parent.empty()) continue;
    const platform::Control& child = controls.control(spec.name);
    if (child.visible()) rects.push_back(child.bounds());
  }
  return rects;
}

void RebuildWindowRegion(platform::ControlSet& controls) {
  try {
    controls.window().set_shape(visible_child_rects(controls));
  } catch (...) {
    // The shape stays as it was; the next rebuild starts from scratch again.
  }
}

}  // namespace pelmora::shell
