// refresh_panel_buttons: the first step of most handlers. Alt pressed and released on the panel
// window, then every push button lying directly on one of the four panels is repainted.
#pragma once

#include "platform/control_set.h"

namespace pelmora::form {

// Changes no visibility flag, enabled state or text; a failure on one button is ignored and the
// others are still repainted.
void refresh_panel_buttons(platform::ControlSet& controls) noexcept;

}  // namespace pelmora::form
