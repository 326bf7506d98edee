// The two window events and the rules they run.
#include "form/window_events.h"

#include "form/rescale.h"
#include "form/tab_order.h"

namespace pelmora::form {

void follow_window_events(platform::ControlSet& controls) {
  platform::PanelWindow& window = controls.window();
  window.set_on_scale_change(
      [&controls](int old_dpi, int new_dpi) { rescale_form(controls, old_dpi, new_dpi); });
  window.set_on_tab([&controls](std::string_view control, bool backwards) {
    return move_focus(controls, control, backwards);
  });
}

}  // namespace pelmora::form
