// The window's handlers. Closing either way puts the main panel where the window stands now,
// since the user may have dragged it.
#include "sltp/tp_sl_window.h"

#include <string>
#include <vector>

#include "link/exchange_fields.h"
#include "link/order_lines.h"
#include "shell/control_names.h"
#include "shell/refresh_panel_buttons.h"
#include "shell/window_shape.h"

namespace pelmora::sltp {

namespace {

constexpr std::string_view kTitle = "Задать SL/TP для сделки #";

TpSlControls resolve(platform::ControlSet& c) {
  namespace ctl = shell::ctl;
  return {.set = c,
          .main = c.control(ctl::main),
          .SET_TP_SL_WND = c.control(ctl::SET_TP_SL_WND),
          .Label1 = c.text_control(ctl::Label1),
          .Edit1 = c.edit(ctl::Edit1),
          .Edit2 = c.edit(ctl::Edit2),
          .Edit3 = c.edit(ctl::Edit3),
          .Edit4 = c.edit(ctl::Edit4),
          .Button3 = c.button(ctl::Button3),
          .Button8 = c.button(ctl::Button8),
          .Button9 = c.button(ctl::Button9),
          .RzSpinButtons1 = c.spin_buttons(ctl::RzSpinButtons1),
          .RzSpinButtons2 = c.spin_buttons(ctl::RzSpinButtons2),
          .SET_TP_SL_TMR = c.timer(ctl::SET_TP_SL_TMR),
          .Timer1 = c.timer(ctl::Timer1),
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

TpSlWindow::TpSlWindow(const platform::Platform& platform, link::CommandWriter& commands,
                       const link::OrderVariables& order, const shell::SettingVariables& settings)
    : c_(resolve(platform.controls)),
      commands_(commands),
      order_(order),
      settings_(settings),
      messages_(platform.messages),
      sl_(Level::kStopLoss, {c_.Edit3, c_.Edit1}, order, platform.locale),
      tp_(Level::kTakeProfit, {c_.Edit2, c_.Edit4}, order, platform.locale) {
  wire_handlers();
}

void TpSlWindow::wire_handlers() {
  c_.Button3.set_on_click([this] { Button3Click(); });
  c_.Button8.set_on_click([this] { Button8Click(); });
  c_.Button9.set_on_click([this] { Button9Click(); });
  c_.SET_TP_SL_TMR.set_on_tick([this] { SET_TP_SL_TMRTimer(); });
  c_.Edit3.set_on_change([this] {
    SlPriceFromPoints();
    refresh();
  });
  c_.Edit2.set_on_change([this] {
    TpPriceFromPoints();
    refresh();
  });
  for (platform::Edit* price : {&c_.Edit1, &c_.Edit4}) price->set_on_change([this] { refresh(); });
  for (platform::Edit* e : {&c_.Edit1, &c_.Edit2, &c_.Edit3, &c_.Edit4}) {
    e->set_on_key_down([this] { refresh(); });
  }
  c_.RzSpinButtons1.set_on_up([this] { sl_.spin_step(+1, c_.IN_ORDERS, messages_); });
  c_.RzSpinButtons1.set_on_down([this] { sl_.spin_step(-1, c_.IN_ORDERS, messages_); });
  c_.RzSpinButtons2.set_on_up([this] { tp_.spin_step(+1, c_.IN_ORDERS, messages_); });
  c_.RzSpinButtons2.set_on_down([this] { tp_.spin_step(-1, c_.IN_ORDERS, messages_); });
  // The ticket changes inside UpdateSelectedOrder, before the record is read again.
  c_.OUT_SELECTED_ORDER.set_on_change(
      [this] { answer_.ticket_changed(c_.IN_ORDER_PROPERTY.text()); });
}

void TpSlWindow::refresh() {
  shell::RefreshPanelButtons(c_.set);
}

bool TpSlWindow::refused_opening() {
  if (c_.IN_READ_COMMAND.text() == link::kWait) return true;
  if (c_.OUT_SELECTED_ORDER.text() != "-1") return false;
  std::vector<std::string_view> lines;
  const std::string orders = c_.IN_ORDERS.text();
  link::split_order_lines(orders, lines, 1);
  return !lines.empty();
}

void TpSlWindow::Button3Click() {
  refresh();
  if (refused_opening()) return;  // silently: the expert is busy, or nothing is selected
  c_.SET_TP_SL_WND.set_visible(true);
  if (!c_.SET_TP_SL_TMR.enabled()) c_.SET_TP_SL_TMR.set_enabled(true);  // keeps its rhythm
  c_.main.set_visible(false);
  move_to(c_.SET_TP_SL_WND, c_.main);
  SlLoadPending = -1;
  TpLoadPending = -1;
  answer_.restart();
  shell::RebuildWindowRegion(c_.set);
}

void TpSlWindow::close() {
  refresh();
  c_.SET_TP_SL_WND.set_visible(false);
  c_.main.set_visible(true);
  move_to(c_.main, c_.SET_TP_SL_WND);
}

void TpSlWindow::Button8Click() {
  close();
  shell::RebuildWindowRegion(c_.set);
}

void TpSlWindow::Button9Click() {
  close();
  if (!c_.Timer1.enabled()) c_.Timer1.set_enabled(true);
  // The ticket as published now, not the title's: the selection may have moved meanwhile.
  commands_.set_tp_sl(c_.OUT_SELECTED_ORDER.text(), c_.Edit1.text(), c_.Edit4.text());
  shell::RebuildWindowRegion(c_.set);
}

void TpSlWindow::SET_TP_SL_TMRTimer() {
  try {
    c_.Label1.set_text(std::string(kTitle) + c_.OUT_SELECTED_ORDER.text());
    if (settings_.SlTpSetType != 0) return;  // previous-value mode: the fields stay as they are
    fill_stage();
  } catch (...) {
    // A failing tick ends silently; the next one runs as usual.
  }
}

// At most one stage per tick: stop-loss load, take-profit load, then recalculation for good.
void TpSlWindow::fill_stage() {
  if (SlLoadPending != 0) {
    if (!may_load()) return;
    SlLoadPending = 0;
    sl_.load();
    return;
  }
  if (TpLoadPending != 0) {
    if (!may_load()) return;
    TpLoadPending = 0;
    tp_.load();
    return;
  }
  SlPriceFromPoints();
  TpPriceFromPoints();
}

bool TpSlWindow::may_load() {
  return answer_.may_load(c_.IN_ORDER_PROPERTY.text(), order_);
}

}  // namespace pelmora::sltp
