// The form's construction: the shared parts, then each feature, which wires itself.
#include "app/panel_form.h"

#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_events.h"
#include "form/window_shape.h"
#include "link/exchange_fields.h"
#include "platform/handler_call.h"
#include "trading/order_actions.h"

namespace pelmora::app {

namespace {

link::LinkFields link_fields(platform::ControlSet& c) {
  return {.IN_ORDERS = c.edit(link::kInOrders.name),
          .IN_READ_COMMAND = c.edit(link::kInReadCommand.name),
          .IN_ORDER_PROPERTY = c.edit(link::kInOrderProperty.name),
          .OUT_SELECTED_ORDER = c.edit(link::kOutSelectedOrder.name),
          .OUT_COMMAND = c.edit(link::kOutCommand.name),
          .lot_field = c.edit(form::names::kLotField),
          .orders_list = c.list_box(form::names::kOrdersList)};
}

terminal::FollowingControls following_controls(platform::ControlSet& c) {
  return {.window = c.window(),
          .link_timer = c.timer(form::names::kLinkTimer),
          .update_timer = c.timer(form::names::kUpdateTimer),
          .f11_timer = c.timer(form::names::kF11Timer),
          .quotes = c.label(form::names::kQuotes),
          .IN_ASK_BID = c.edit(link::kInAskBid.name)};
}

}  // namespace

PanelForm::PanelForm(const platform::Platform& platform)
    : platform_(platform),
      link_(link_fields(platform.controls), order_,
            [&c = platform.controls](bool present) { trading::offer_order_actions(c, present); }),
      commands_(platform.controls.edit(link::kOutCommand.name)),
      dragging_(platform),
      order_entry_(platform, commands_, order_),
      trailing_stop_(platform, commands_),
      tester_control_(platform),
      tp_sl_(platform, commands_, order_, settings_),
      stored_settings_(
          platform, settings_,
          {.load_speed_position =
               [this](int position) { tester_control_.load_speed_position(position); }}),
      startup_(platform, order_,
               {.load_settings = [this] { stored_settings_.load_settings(true); },
                .update_selected_order = [this] { link_.update_selected_order(); },
                .send_speed_to_tester = [this] { tester_control_.send_speed_to_tester(); }}),
      following_(following_controls(platform.controls), platform.terminal, platform.program,
                 [this] { link_.update_selected_order(); }),
      update_notice_(platform, settings_) {
  wire_handlers();
  on_create();
}

PanelForm::~PanelForm() {
  on_destroy();
}

void PanelForm::Show() {
  platform_.controls.window().set_visible(true);
}

void PanelForm::on_create() {
  startup_.on_create();
}

void PanelForm::on_show() {
  startup_.on_show();
}

// The settings are stored once more on the way out; a refusal is shown, then the program ends.
void PanelForm::on_destroy() noexcept {
  platform::call_reporting([this] { stored_settings_.save_settings(); }, platform_.messages);
}

void PanelForm::wire_handlers() {
  platform::ControlSet& c = platform_.controls;
  c.window().set_on_show([this] { on_show(); });
  form::follow_window_events(c);
  c.timer(form::names::kFollowingTimer).set_on_tick([this] { following_tick(); });
  c.timer(form::names::kLinkTimer).set_on_tick([this] { link_.tick(); });
  c.list_box(form::names::kOrdersList).set_on_select([this] { link_.orders_list_clicked(); });
}

}  // namespace pelmora::app
