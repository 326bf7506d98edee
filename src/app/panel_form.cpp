// The form's construction: the shared parts, then each feature, which wires itself.
#include "app/panel_form.h"

#include "common/silently.h"
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
          .IN_ORDER_PROPERTY = c.edit(link::kInOrderProperty.name),
          .OUT_SELECTED_ORDER = c.edit(link::kOutSelectedOrder.name),
          .lot_field = c.edit(form::names::kLotField),
          .orders_list = c.list_box(form::names::kOrdersList)};
}

link::CommandFields command_fields(platform::ControlSet& c) {
  return {.OUT_COMMAND = c.edit(link::kOutCommand.name),
          .IN_READ_COMMAND = c.edit(link::kInReadCommand.name),
          .IN_ASK_BID = c.edit(link::kInAskBid.name),
          .OUT_SELECTED_ORDER = c.edit(link::kOutSelectedOrder.name)};
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
      journal_(platform.clock, platform.journal),
      commands_(command_fields(platform.controls), journal_),
      link_(link_fields(platform.controls), order_, commands_,
            [&c = platform.controls](bool present) { trading::offer_order_actions(c, present); }),
      dragging_(platform),
      order_entry_(platform, commands_, order_),
      trailing_stop_(platform, commands_),
      tester_control_(platform, hint_keys_,
                      [this](int position) { stored_settings_.speed_moved(position); }),
      tp_sl_(platform, commands_, order_, settings_),
      stored_settings_(
          platform, settings_,
          {.load_speed_position =
               [this](int position) { tester_control_.load_speed_position(position); }}),
      startup_(platform, order_, hint_keys_,
               {.load_settings = [this] { stored_settings_.load_settings(true); },
                .update_selected_order = [this] { link_.update_selected_order(); },
                .send_speed_to_tester = [this] { tester_control_.send_speed_to_tester(); }}),
      following_(
          following_controls(platform.controls), platform.terminal, platform.program,
          [this] { link_.update_selected_order(); }, [this] { save_at_end(false); }),
      update_notice_(platform, settings_),
      shortcuts_(platform, stored_settings_, hint_keys_,
                 {.run = [this](shortcuts::Action action) { run_shortcut(action); },
                  .show_tester_hints = [this] { tester_control_.show_hints(); }}) {
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
  shortcuts_.load();
  startup_.on_create();
}

void PanelForm::on_show() {
  startup_.on_show();
}

void PanelForm::on_destroy() noexcept {
  save_at_end(false);
}

// The settings are stored once more on the way out; a refusal is shown, then the program ends.
// At the session's end nobody is left to read the box, which would only hold the log-off up.
void PanelForm::save_at_end(bool silent) noexcept {
  if (silent) {
    common::silently([this] { stored_settings_.save_at_end(); });
  } else {
    platform::call_reporting([this] { stored_settings_.save_at_end(); }, platform_.messages);
  }
}

void PanelForm::wire_handlers() {
  platform::ControlSet& c = platform_.controls;
  c.window().set_on_show([this] { on_show(); });
  c.window().set_on_session_end([this] { save_at_end(true); });
  c.menu_item(form::names::kJournalItem).set_on_click([this] {
    journal_.show_today(platform_.desktop, platform_.controls.window().ref());
  });
  form::follow_window_events(c);
  c.timer(form::names::kFollowingTimer).set_on_tick([this] { following_tick(); });
  c.timer(form::names::kLinkTimer).set_on_tick([this] { link_.tick(); });
  c.list_box(form::names::kOrdersList).set_on_select([this] { link_.orders_list_clicked(); });
}

// A control that is disabled, or hidden with its panel, could not be clicked: its key does
// nothing either.
void PanelForm::run_shortcut(shortcuts::Action action) {
  namespace names = form::names;
  using shortcuts::Action;
  platform::ControlSet& c = platform_.controls;
  const auto usable = [&c](std::string_view name) {
    return c.panel(names::kMainPanel).visible() && c.control(name).enabled();
  };
  const auto button = [&](std::string_view name, auto clicked) {
    if (usable(name)) clicked();
  };
  platform::Slider& speed = c.slider(names::kSpeedSlider);
  switch (action) {
    case Action::kBuy:
      return button(names::kBuyButton, [this] { order_entry_.buy_clicked(); });
    case Action::kSell:
      return button(names::kSellButton, [this] { order_entry_.sell_clicked(); });
    case Action::kClose:
      return button(names::kCloseButton, [this] { order_entry_.close_clicked(); });
    case Action::kCloseAll:
      if (c.menu_item(names::kCloseAllItem).enabled()) order_entry_.close_all_clicked();
      return;
    case Action::kStopLevels:
      return button(names::kStopLevelsButton, [this] { tp_sl_.stop_levels_clicked(); });
    case Action::kTrailing:
      return button(names::kTrailingButton, [this] { trailing_stop_.trailing_clicked(); });
    case Action::kPause:
      return button(names::kPauseButton, [this] { tester_control_.pause_clicked(); });
    case Action::kStop:
      return button(names::kStopButton, [this] { tester_control_.stop_clicked(); });
    case Action::kSpeedDown:
      return button(names::kSpeedSlider, [&] { speed.set_position(speed.position() - 1); });
    case Action::kSpeedUp:
      return button(names::kSpeedSlider, [&] { speed.set_position(speed.position() + 1); });
    case Action::kLotDown:
      return button(names::kLotSpin, [this] { order_entry_.lot_down_clicked(); });
    case Action::kLotUp:
      return button(names::kLotSpin, [this] { order_entry_.lot_up_clicked(); });
  }
}

}  // namespace pelmora::app
