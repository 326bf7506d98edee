// Repaints the panels' push buttons; which buttons those are comes from the layout.
#include "form/refresh_panel_buttons.h"

#include "common/silently.h"
#include "form/layout.h"
#include "platform/virtual_keys.h"

namespace pelmora::form {

void refresh_panel_buttons(platform::ControlSet& set) noexcept {
  using common::silently;
  silently([&] { set.window().post_key(platform::kVkAlt); });
  for (const ControlSpec& spec : controls()) {
    if (spec.kind != ControlKind::kPushButton || !is_panel(spec.parent)) continue;
    // One button that cannot be repainted must not stop the others.
    silently([&] { set.button(spec.name).repaint(); });
  }
}

}  // namespace pelmora::form
