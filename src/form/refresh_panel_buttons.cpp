// Repaints the panels' push buttons; which buttons those are comes from the layout.
#include "form/refresh_panel_buttons.h"

#include "form/layout.h"
#include "platform/virtual_keys.h"

namespace pelmora::form {

void refresh_panel_buttons(platform::ControlSet& set) {
  try {
    set.window().post_key(platform::kVkAlt);
  } catch (...) {
  }
  for (const ControlSpec& spec : controls()) {
    if (spec.kind != ControlKind::kPushButton || !is_panel(spec.parent)) continue;
    try {
      set.button(spec.name).repaint();
    } catch (...) {
      // One button that cannot be repainted must not stop the others.
    }
  }
}

}  // namespace pelmora::form
