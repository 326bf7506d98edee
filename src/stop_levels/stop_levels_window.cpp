// The window's handlers. Closing either way puts the main panel where the window stands now,
// since the user may have dragged it.
#include "stop_levels/stop_levels_window.h"

#include <string>
#include <vector>

#include "common/silently.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_shape.h"
#include "link/exchange_fields.h"
#include "link/order_lines.h"

namespace pelmora::stop_levels {

namespace {

constexpr std::string_view kTitle = "Задать SL/TP для сделки #";

StopLevelsControls resolve(platform::ControlSet& c) {
  namespace names = form::names;
  return {.set = c,
          .main_panel = c.control(names::kMainPanel),
          .stop_levels_panel = c.control(names::kStopLevelsPanel),
          .stop_levels_title = c.text_control(names::kStopLevelsTitle),
          .stop_loss_price = c.edit(names::kStopLossPrice),
          .take_profit_distance = c.edit(names::kTakeProfitDistance),
          .stop_loss_distance = c.edit(names::kStopLossDistance),
          .take_profit_price = c.edit(names::kTakeProfitPrice),
          .stop_levels_button = c.button(names::kStopLevelsButton),
          .stop_levels_cancel = c.button(names::kStopLevelsCancel),
          .stop_levels_apply = c.button(names::kStopLevelsApply),
          .stop_loss_spin = c.spin_buttons(names::kStopLossSpin),
          .take_profit_spin = c.spin_buttons(names::kTakeProfitSpin),
          .fill_timer = c.timer(names::kFillTimer),
          .link_timer = c.timer(names::kLinkTimer),
          .IN_ORDERS = c.edit(link::kInOrders.name),
          .IN_READ_COMMAND = c.edit(link::kInReadCommand.name),
          .IN_ORDER_PROPERTY = c.edit(link::kInOrderProperty.name),
          .OUT_SELECTED_ORDER = c.edit(link::kOutSelectedOrder.name)};
}

void move_to(platform::Control& moved, const platform::Control& place) {
  const platform::Bounds b = place.bounds();
  moved.set_position(b.left, b.top);
}

}  // namespace

StopLevelsWindow::StopLevelsWindow(const platform::Platform& platform,
                                   link::CommandWriter& commands, const link::OrderVariables& order,
                                   const settings::SettingVariables& settings)
    : c_(resolve(platform.controls)),
      commands_(commands),
      order_(order),
      settings_(settings),
      messages_(platform.messages),
      sl_(Level::kStopLoss, {c_.stop_loss_distance, c_.stop_loss_price}, order, platform.locale),
      tp_(Level::kTakeProfit, {c_.take_profit_distance, c_.take_profit_price}, order,
          platform.locale) {
  wire_handlers();
}

void StopLevelsWindow::wire_handlers() {
  c_.stop_levels_button.set_on_click([this] { stop_levels_clicked(); });
  c_.stop_levels_cancel.set_on_click([this] { stop_levels_cancel_clicked(); });
  c_.stop_levels_apply.set_on_click([this] { stop_levels_apply_clicked(); });
  c_.fill_timer.set_on_tick([this] { fill_tick(); });
  c_.stop_loss_distance.set_on_change([this] {
    sl_price_from_points();
    refresh();
  });
  c_.take_profit_distance.set_on_change([this] {
    tp_price_from_points();
    refresh();
  });
  for (platform::Edit* price : {&c_.stop_loss_price, &c_.take_profit_price})
    price->set_on_change([this] { refresh(); });
  for (platform::Edit* e : {&c_.stop_loss_price, &c_.take_profit_distance, &c_.stop_loss_distance,
                            &c_.take_profit_price}) {
    e->set_on_key_down([this] { refresh(); });
  }
  c_.stop_loss_spin.set_on_up([this] { sl_.spin_step(+1, c_.IN_ORDERS, messages_); });
  c_.stop_loss_spin.set_on_down([this] { sl_.spin_step(-1, c_.IN_ORDERS, messages_); });
  c_.take_profit_spin.set_on_up([this] { tp_.spin_step(+1, c_.IN_ORDERS, messages_); });
  c_.take_profit_spin.set_on_down([this] { tp_.spin_step(-1, c_.IN_ORDERS, messages_); });
  // The ticket changes inside update_selected_order, before the record is read again.
  c_.OUT_SELECTED_ORDER.set_on_change(
      [this] { answer_.ticket_changed(c_.IN_ORDER_PROPERTY.text()); });
}

void StopLevelsWindow::refresh() {
  form::refresh_panel_buttons(c_.set);
}

bool StopLevelsWindow::refused_opening() {
  if (c_.IN_READ_COMMAND.text() == link::kWait) return true;
  if (c_.OUT_SELECTED_ORDER.text() != "-1") return false;
  std::vector<std::string_view> lines;
  const std::string orders = c_.IN_ORDERS.text();
  link::split_order_lines(orders, lines, 1);
  return !lines.empty();
}

void StopLevelsWindow::stop_levels_clicked() {
  refresh();
  if (refused_opening()) return;  // silently: the expert is busy, or nothing is selected
  c_.stop_levels_panel.set_visible(true);
  if (!c_.fill_timer.enabled()) c_.fill_timer.set_enabled(true);  // keeps its rhythm
  c_.main_panel.set_visible(false);
  move_to(c_.stop_levels_panel, c_.main_panel);
  sl_load_pending_ = -1;
  tp_load_pending_ = -1;
  answer_.restart();
  form::rebuild_window_region(c_.set);
}

void StopLevelsWindow::close() {
  refresh();
  c_.stop_levels_panel.set_visible(false);
  c_.main_panel.set_visible(true);
  move_to(c_.main_panel, c_.stop_levels_panel);
}

void StopLevelsWindow::stop_levels_cancel_clicked() {
  close();
  form::rebuild_window_region(c_.set);
}

void StopLevelsWindow::stop_levels_apply_clicked() {
  close();
  if (!c_.link_timer.enabled()) c_.link_timer.set_enabled(true);
  // The ticket as published now, not the title's: the selection may have moved meanwhile.
  commands_.set_tp_sl(c_.OUT_SELECTED_ORDER.text(), c_.stop_loss_price.text(),
                      c_.take_profit_price.text());
  form::rebuild_window_region(c_.set);
}

// A failing tick ends silently; the next one runs as usual.
void StopLevelsWindow::fill_tick() noexcept {
  common::silently([this] {
    c_.stop_levels_title.set_text(std::string(kTitle) + c_.OUT_SELECTED_ORDER.text());
    if (settings_.sl_tp_mode != 0) return;  // previous-value mode: the fields stay as they are
    fill_stage();
  });
}

// At most one stage per tick: stop-loss load, take-profit load, then recalculation for good.
void StopLevelsWindow::fill_stage() {
  if (sl_load_pending_ != 0) {
    if (!may_load()) return;
    sl_load_pending_ = 0;
    sl_.load();
    return;
  }
  if (tp_load_pending_ != 0) {
    if (!may_load()) return;
    tp_load_pending_ = 0;
    tp_.load();
    return;
  }
  sl_price_from_points();
  tp_price_from_points();
}

bool StopLevelsWindow::may_load() {
  return answer_.may_load(c_.IN_ORDER_PROPERTY.text(), order_);
}

}  // namespace pelmora::stop_levels
