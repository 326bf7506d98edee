// Where Tab and Shift+Tab move the keyboard focus: along the tab stops of the focused control's
// own panel, in the order the layout gives, wrapping round at either end.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace pelmora::form {

// Whether a control can take the focus now (shown and enabled).
using TabStopAvailable = std::function<bool(std::string_view name)>;

// The control the focus moves to from `current`: the next available tab stop of current's
// panel after it (before it with `backwards`), wrapping round; the first available stop when
// current is not a stop itself. Nothing when current lies on no panel (the form, a panel, an
// exchange field) or no stop of its panel is available.
std::optional<std::string_view> next_tab_stop(std::string_view current, bool backwards,
                                              const TabStopAvailable& available);

}  // namespace pelmora::form
