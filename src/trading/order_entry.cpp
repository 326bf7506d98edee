// Order entry and closing: each handler's steps in their fixed order.
#include "trading/order_entry.h"

#include "common/number_texts.h"
#include "common/silently.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_shape.h"
#include "link/exchange_fields.h"
#include "link/lot_field.h"

namespace pelmora::trading {

namespace names = form::names;

OrderEntry::OrderEntry(const platform::Platform& platform, link::CommandWriter& commands,
                       const link::OrderVariables& order)
    : controls_(platform.controls),
      messages_(platform.messages),
      commands_(commands),
      order_(order),
      c_{.lot_field = controls_.edit(names::kLotField),
         .IN_ORDERS = controls_.edit(link::kInOrders.name),
         .OUT_SELECTED_ORDER = controls_.edit(link::kOutSelectedOrder.name)} {
  wire_handlers(controls_);
}

void OrderEntry::wire_handlers(platform::ControlSet& controls) {
  controls.button(names::kSellButton).set_on_click([this] { sell_clicked(); });
  controls.button(names::kBuyButton).set_on_click([this] { buy_clicked(); });
  controls.button(names::kCloseButton).set_on_click([this] { close_clicked(); });
  controls.menu_item(names::kCloseAllItem).set_on_click([this] { close_all_clicked(); });
  platform::SpinButtons& lot_spin_pair = controls.spin_buttons(names::kLotSpin);
  lot_spin_pair.set_on_down([this] { lot_down_clicked(); });
  lot_spin_pair.set_on_up([this] { lot_up_clicked(); });
  c_.lot_field.set_on_key_down([this] { lot_key_down(); });
  c_.lot_field.set_on_key_up([this] { lot_key_up(); });
  c_.lot_field.set_on_focus_lost([this] { lot_left(); });
}

void OrderEntry::sell_clicked() {
  link::keep_lot_at_step(c_.lot_field, order_.lot_step);
  commands_.open_sell(c_.lot_field.text());
  form::rebuild_window_region(controls_);
}

void OrderEntry::buy_clicked() {
  link::keep_lot_at_step(c_.lot_field, order_.lot_step);
  commands_.open_buy(c_.lot_field.text());
  form::rebuild_window_region(controls_);
}

void OrderEntry::close_clicked() {
  form::refresh_panel_buttons(controls_);
  commands_.close(c_.OUT_SELECTED_ORDER.text());
  form::rebuild_window_region(controls_);
}

void OrderEntry::close_all_clicked() {
  commands_.close_all();
}

void OrderEntry::lot_key_down() {
  form::refresh_panel_buttons(controls_);
}

void OrderEntry::lot_key_up() {
  form::refresh_panel_buttons(controls_);
}

void OrderEntry::lot_left() noexcept {
  common::silently([this] { link::keep_lot_at_step(c_.lot_field, order_.lot_step); });
}

// A failing step ends the spin silently; the field keeps what it holds now.
void OrderEntry::lot_spin(SpinDirection direction) noexcept {
  common::silently([&] {
    spin_step({.field = c_.lot_field,
               .focus_elsewhere = c_.IN_ORDERS,
               .step = order_.lot_step,
               .floor = order_.lot_step,
               .text_of = common::lot_spin_text},
              direction, messages_);
  });
}

}  // namespace pelmora::trading
