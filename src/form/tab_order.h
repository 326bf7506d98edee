// Where Tab and Shift+Tab move the keyboard focus: along the tab stops of the focused control's
// own panel, in the order the layout gives, wrapping round at either end.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "platform/control_set.h"

namespace pelmora::form {

// Whether a control can take the focus now (shown and enabled).
using TabStopAvailable = std::function<bool(std::string_view name)>;

// The control the focus moves to from `current`: the next available tab stop of current's
// panel after it (before it with `backwards`), wrapping round; the first available stop when
// current is not a stop itself. Nothing when current lies on no panel (the form, a panel, an
// exchange field) or no stop of its panel is available.
std::optional<std::string_view> next_tab_stop(std::string_view current, bool backwards,
                                              const TabStopAvailable& available);

// Tab (Shift+Tab with `backwards`) pressed in the control `current`: gives the focus to the
// next stop that can take it, shown (on a shown panel) and enabled. False when there is none,
// and the key is then left to the control.
bool move_focus(platform::ControlSet& controls, std::string_view current, bool backwards);

}  // namespace pelmora::form
