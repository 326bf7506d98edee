// Repaints the panels' push buttons; which buttons those are comes from the layout.
#include "terminal/refresh_panel_buttons.h"

#include "shell/layout.h"

namespace pelmora::terminal {

void RefreshPanelButtons(platform::ControlSet& controls) {
  try {
    controls.window().post_key(kAltKey);
  } catch (...) {
  }
  for (const shell::ControlSpec& spec : shell::controls()) {
    if (spec.kind != shell::ControlKind::kPushButton || !shell::is_panel(spec.parent)) continue;
    try {
      controls.button(spec.name).repaint();
    } catch (...) {
      // One button that cannot be repainted must not stop the others.
    }
  }
}

}  // namespace pelmora::terminal
