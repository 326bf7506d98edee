// The window's shape: the union of the rectangles of the form's visible direct children (the
// four panels and the six exchange fields), rebuilt from scratch after every change of a panel.
#pragma once

#include <vector>

#include "platform/control_set.h"

namespace pelmora::form {

// The rectangles, in the form's client coordinates, of the direct children whose visibility
// flag is set, in creation order.
std::vector<platform::Bounds> visible_child_rects(platform::ControlSet& controls);

// Cuts the form's window to those rectangles; a failure leaves the shape as it was.
void rebuild_window_region(platform::ControlSet& controls) noexcept;

}  // namespace pelmora::form
