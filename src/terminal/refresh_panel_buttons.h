// RefreshPanelButtons: the first step of most handlers. Alt pressed and released on the panel
// window, then every push button lying directly on one of the four panels is repainted.
#pragma once

#include "platform/form.h"

namespace pelmora::terminal {

inline constexpr int kAltKey = 18;

// Changes no visibility flag, enabled state or text; a failure on one button is ignored and the
// others are still repainted.
void RefreshPanelButtons(platform::ControlSet& controls);

}  // namespace pelmora::terminal
