// The tab order from the layout tables.
#include "form/tab_order.h"

#include <algorithm>
#include <vector>

#include "form/layout.h"

namespace pelmora::form {

std::optional<std::string_view> next_tab_stop(std::string_view current, bool backwards,
                                              const TabStopAvailable& available) {
  const std::optional<ControlSpec> spec = find_control(current);
  if (!spec || spec->parent.empty() || spec->kind == ControlKind::kPanel) return std::nullopt;
  std::vector<std::pair<int, std::string_view>> stops;
  for (const ControlSpec& s : controls()) {
    if (s.parent == spec->parent && s.tab_order >= 0 && available(s.name)) {
      stops.emplace_back(s.tab_order, s.name);
    }
  }
  if (stops.empty()) return std::nullopt;
  std::sort(stops.begin(), stops.end());
  const auto it =
      std::find_if(stops.begin(), stops.end(), [&](const auto& s) { return s.second == current; });
  if (it == stops.end()) return stops.front().second;
  const size_t here = static_cast<size_t>(it - stops.begin());
  const size_t next = (here + (backwards ? stops.size() - 1 : 1)) % stops.size();
  return stops[next].second;
}

bool move_focus(platform::ControlSet& controls, std::string_view current, bool backwards) {
  // Shown as the system sees it: the control's own flag and its panel's.
  const auto available = [&controls](std::string_view name) {
    const platform::Control& control = controls.control(name);
    return control.visible() && control.enabled() &&
           controls.control(find_control(name)->parent).visible();
  };
  const std::optional<std::string_view> next = next_tab_stop(current, backwards, available);
  if (!next) return false;
  controls.control(*next).set_focus();
  return true;
}

}  // namespace pelmora::form
