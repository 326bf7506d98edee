// The trailing-stop window: opening, the two ways of closing it, and its distance field.
#include "trading/trailing_stop.h"

#include <string>

#include "common/number_texts.h"
#include "common/silently.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_shape.h"
#include "link/exchange_fields.h"

namespace pelmora::trading {

namespace names = form::names;

namespace {
constexpr double kDistanceStep = 1;
constexpr double kDistanceFloor = 0;
}  // namespace

TrailingStop::TrailingStop(const platform::Platform& platform, link::CommandWriter& commands)
    : controls_(platform.controls),
      messages_(platform.messages),
      commands_(commands),
      c_{.main_panel = controls_.panel(names::kMainPanel),
         .trailing_panel = controls_.panel(names::kTrailingPanel),
         .trailing_order = controls_.label(names::kTrailingOrder),
         .trailing_distance = controls_.edit(names::kTrailingDistance),
         .IN_ORDERS = controls_.edit(link::kInOrders.name),
         .OUT_SELECTED_ORDER = controls_.edit(link::kOutSelectedOrder.name)} {
  wire_handlers(controls_);
}

void TrailingStop::wire_handlers(platform::ControlSet& controls) {
  controls.button(names::kTrailingButton).set_on_click([this] { trailing_clicked(); });
  controls.button(names::kTrailingCancel).set_on_click([this] { trailing_cancel_clicked(); });
  controls.button(names::kTrailingApply).set_on_click([this] { trailing_apply_clicked(); });
  platform::SpinButtons& distance_spin_pair = controls.spin_buttons(names::kTrailingSpin);
  distance_spin_pair.set_on_down([this] { trailing_down_clicked(); });
  distance_spin_pair.set_on_up([this] { trailing_up_clicked(); });
  c_.trailing_distance.set_on_change([this] { trailing_distance_changed(); });
  c_.trailing_distance.set_on_key_down([this] { trailing_distance_key_down(); });
}

void TrailingStop::trailing_clicked() {
  form::refresh_panel_buttons(controls_);
  c_.trailing_panel.set_visible(true);
  c_.main_panel.set_visible(false);
  c_.trailing_order.set_text("Сделка #" + c_.OUT_SELECTED_ORDER.text());
  const platform::Bounds main = c_.main_panel.bounds();
  c_.trailing_panel.set_position(main.left, main.top);
  form::rebuild_window_region(controls_);
}

void TrailingStop::trailing_cancel_clicked() {
  form::refresh_panel_buttons(controls_);
  close_window();
  form::rebuild_window_region(controls_);
}

void TrailingStop::trailing_apply_clicked() {
  form::refresh_panel_buttons(controls_);
  close_window();
  commands_.set_tsl(c_.OUT_SELECTED_ORDER.text(), c_.trailing_distance.text());
  form::rebuild_window_region(controls_);
}

// The window may have been dragged while open: main takes its last place.
void TrailingStop::close_window() {
  c_.trailing_panel.set_visible(false);
  c_.main_panel.set_visible(true);
  const platform::Bounds window = c_.trailing_panel.bounds();
  c_.main_panel.set_position(window.left, window.top);
}

void TrailingStop::trailing_distance_changed() {
  form::refresh_panel_buttons(controls_);
}

void TrailingStop::trailing_distance_key_down() {
  form::refresh_panel_buttons(controls_);
}

// A failing step ends the spin silently; the field keeps what it holds now.
void TrailingStop::distance_spin(SpinDirection direction) noexcept {
  common::silently([&] {
    spin_step({.field = c_.trailing_distance,
               .focus_elsewhere = c_.IN_ORDERS,
               .step = kDistanceStep,
               .floor = kDistanceFloor,
               .text_of = common::distance_spin_text},
              direction, messages_);
  });
}

}  // namespace pelmora::trading
