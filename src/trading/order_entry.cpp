// Order entry and closing: each handler's steps in their fixed order.
#include "trading/order_entry.h"

#include "common/spin_text.h"
#include "link/exchange_fields.h"
#include "shell/control_names.h"
#include "shell/refresh_panel_buttons.h"
#include "shell/window_shape.h"

namespace pelmora::trading {

namespace ctl = shell::ctl;

OrderEntry::OrderEntry(const platform::Platform& platform, link::CommandWriter& commands,
                       const link::OrderVariables& order)
    : controls_(platform.controls),
      messages_(platform.messages),
      commands_(commands),
      order_(order),
      c_{.Edit12 = controls_.edit(ctl::Edit12),
         .IN_ORDERS = controls_.edit(link::kInOrders.name),
         .OUT_SELECTED_ORDER = controls_.edit(link::kOutSelectedOrder.name)} {
  wire_handlers(controls_);
}

void OrderEntry::wire_handlers(platform::ControlSet& controls) {
  controls.button(ctl::SpriteButton9).set_on_click([this] { SpriteButton9Click(); });
  controls.button(ctl::SpriteButton27).set_on_click([this] { SpriteButton27Click(); });
  controls.button(ctl::Button7).set_on_click([this] { Button7Click(); });
  controls.menu_item(ctl::N2).set_on_click([this] { N2Click(); });
  platform::SpinButtons& lot_spin_pair = controls.spin_buttons(ctl::RzSpinButtons8);
  lot_spin_pair.set_on_down([this] { RzSpinButtons8DownLeftClick(); });
  lot_spin_pair.set_on_up([this] { RzSpinButtons8UpRightClick(); });
  c_.Edit12.set_on_key_down([this] { Edit12KeyDown(); });
  c_.Edit12.set_on_key_up([this] { Edit12KeyUp(); });
}

void OrderEntry::SpriteButton9Click() {
  commands_.open_sell(c_.Edit12.text());
  shell::RebuildWindowRegion(controls_);
}

void OrderEntry::SpriteButton27Click() {
  commands_.open_buy(c_.Edit12.text());
  shell::RebuildWindowRegion(controls_);
}

void OrderEntry::Button7Click() {
  shell::RefreshPanelButtons(controls_);
  commands_.close(c_.OUT_SELECTED_ORDER.text());
  shell::RebuildWindowRegion(controls_);
}

void OrderEntry::N2Click() {
  commands_.close_all();
}

void OrderEntry::Edit12KeyDown() {
  shell::RefreshPanelButtons(controls_);
}

void OrderEntry::Edit12KeyUp() {
  shell::RefreshPanelButtons(controls_);
}

void OrderEntry::lot_spin(SpinDirection direction) {
  try {
    spin_step({.field = c_.Edit12,
               .focus_elsewhere = c_.IN_ORDERS,
               .step = order_.LotStep,
               .floor = order_.LotStep,
               .text_of = common::lot_spin_text},
              direction, messages_);
  } catch (...) {
    // A failing step ends the spin silently; the field keeps what it holds now.
  }
}

}  // namespace pelmora::trading
