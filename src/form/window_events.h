// The form's own rules that the panel window's events drive: a change of display scale lays the
// form out again (form/rescale.h), and Tab moves the focus along the tab order (form/tab_order.h).
#pragma once

#include "platform/control_set.h"

namespace pelmora::form {

// Binds the window's scale-change and Tab events of `controls`, which are held, not owned.
void follow_window_events(platform::ControlSet& controls);

}  // namespace pelmora::form
