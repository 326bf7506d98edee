// The trailing-stop window: opening, the two ways of closing it, and its distance field.
#include "trading/trailing_stop.h"

#include <string>

#include "common/spin_text.h"
#include "link/exchange_fields.h"
#include "shell/control_names.h"
#include "shell/refresh_panel_buttons.h"
#include "shell/window_shape.h"

namespace pelmora::trading {

namespace ctl = shell::ctl;

namespace {
constexpr double kDistanceStep = 1;
constexpr double kDistanceFloor = 0;
}  // namespace

TrailingStop::TrailingStop(const platform::Platform& platform, link::CommandWriter& commands)
    : controls_(platform.controls),
      messages_(platform.messages),
      commands_(commands),
      c_{.main = controls_.panel(ctl::main),
         .SET_TSL_WND = controls_.panel(ctl::SET_TSL_WND),
         .Label5 = controls_.label(ctl::Label5),
         .Edit7 = controls_.edit(ctl::Edit7),
         .IN_ORDERS = controls_.edit(link::kInOrders.name),
         .OUT_SELECTED_ORDER = controls_.edit(link::kOutSelectedOrder.name)} {
  wire_handlers(controls_);
}

void TrailingStop::wire_handlers(platform::ControlSet& controls) {
  controls.button(ctl::Button4).set_on_click([this] { Button4Click(); });
  controls.button(ctl::Button5).set_on_click([this] { Button5Click(); });
  controls.button(ctl::Button6).set_on_click([this] { Button6Click(); });
  platform::SpinButtons& distance_spin_pair = controls.spin_buttons(ctl::RzSpinButtons3);
  distance_spin_pair.set_on_down([this] { RzSpinButtons3DownLeftClick(); });
  distance_spin_pair.set_on_up([this] { RzSpinButtons3UpRightClick(); });
  c_.Edit7.set_on_change([this] { Edit7Change(); });
  c_.Edit7.set_on_key_down([this] { Edit7KeyDown(); });
}

void TrailingStop::Button4Click() {
  shell::RefreshPanelButtons(controls_);
  c_.SET_TSL_WND.set_visible(true);
  c_.main.set_visible(false);
  c_.Label5.set_text("Сделка #" + c_.OUT_SELECTED_ORDER.text());
  const platform::Bounds main = c_.main.bounds();
  c_.SET_TSL_WND.set_position(main.left, main.top);
  shell::RebuildWindowRegion(controls_);
}

void TrailingStop::Button5Click() {
  shell::RefreshPanelButtons(controls_);
  close_window();
  shell::RebuildWindowRegion(controls_);
}

void TrailingStop::Button6Click() {
  shell::RefreshPanelButtons(controls_);
  close_window();
  commands_.set_tsl(c_.OUT_SELECTED_ORDER.text(), c_.Edit7.text());
  shell::RebuildWindowRegion(controls_);
}

// The window may have been dragged while open: main takes its last place.
void TrailingStop::close_window() {
  c_.SET_TSL_WND.set_visible(false);
  c_.main.set_visible(true);
  const platform::Bounds window = c_.SET_TSL_WND.bounds();
  c_.main.set_position(window.left, window.top);
}

void TrailingStop::Edit7Change() {
  shell::RefreshPanelButtons(controls_);
}

void TrailingStop::Edit7KeyDown() {
  shell::RefreshPanelButtons(controls_);
}

void TrailingStop::distance_spin(SpinDirection direction) {
  try {
    spin_step({.field = c_.Edit7,
               .focus_elsewhere = c_.IN_ORDERS,
               .step = kDistanceStep,
               .floor = kDistanceFloor,
               .text_of = common::distance_spin_text},
              direction, messages_);
  } catch (...) {
    // A failing step ends the spin silently; the field keeps what it holds now.
  }
}

}  // namespace pelmora::trading
