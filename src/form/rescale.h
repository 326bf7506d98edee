// The form at another display scale: every control of the layout laid out again from its 96-dpi
// figures, the panels where they were moved to, then the window's shape cut anew.
#pragma once

#include "platform/control_set.h"

namespace pelmora::form {

// Gives each control its place and size at `new_dpi`; a panel keeps the place it was moved to,
// as the same 96-dpi place at the new scale. The exchange fields are left alone: the expert
// finds them by identifier and they lie out of sight. Texts, selections and visibility stay.
void rescale_form(platform::ControlSet& controls, int old_dpi, int new_dpi);

}  // namespace pelmora::form
