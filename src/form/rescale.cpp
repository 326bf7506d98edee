// Walks the layout in creation order, so each panel is laid out before the controls on it.
#include "form/rescale.h"

#include "form/layout.h"
#include "form/scaling.h"
#include "form/window_shape.h"

namespace pelmora::form {

void rescale_form(platform::ControlSet& controls, int old_dpi, int new_dpi) {
  for (const ControlSpec& spec : form::controls()) {
    if (spec.control_id != 0) continue;  // an exchange field
    platform::Control& control = controls.control(spec.name);
    platform::Bounds bounds = scale_bounds(spec.bounds, new_dpi);
    if (spec.kind == ControlKind::kPanel) {
      const platform::Bounds now = control.bounds();
      bounds.left = scale(unscale(now.left, old_dpi), new_dpi);
      bounds.top = scale(unscale(now.top, old_dpi), new_dpi);
    }
    control.rescale(bounds, new_dpi);
  }
  rebuild_window_region(controls);
}

}  // namespace pelmora::form
