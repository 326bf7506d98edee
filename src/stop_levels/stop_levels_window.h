// The stop-loss and take-profit window: opened by "TP/SL" in the main panel's
// place, filled from the selected order by its 500 ms timer one stage per tick, edited in points
// or prices, and sent as one SET_TP_SL command by "Применить".
#pragma once

#include <cstdint>

#include "link/command_writer.h"
#include "link/order_variables.h"
#include "platform/platform.h"
#include "settings/setting_variables.h"
#include "stop_levels/answer_wait.h"
#include "stop_levels/level_side.h"

namespace pelmora::stop_levels {

// The controls the window works on, resolved once; held, not owned.
struct StopLevelsControls {
  platform::ControlSet& set;  // for refresh_panel_buttons and rebuild_window_region
  platform::Control& main_panel;
  platform::Control& stop_levels_panel;
  platform::TextControl& stop_levels_title;
  platform::Edit& stop_loss_price;
  platform::Edit& take_profit_distance;
  platform::Edit& stop_loss_distance;
  platform::Edit& take_profit_price;
  platform::Button& stop_levels_button;
  platform::Button& stop_levels_cancel;
  platform::Button& stop_levels_apply;
  platform::SpinButtons& stop_loss_spin;
  platform::SpinButtons& take_profit_spin;
  platform::Timer& fill_timer;
  platform::Timer& link_timer;
  platform::Edit& IN_ORDERS;
  platform::Edit& IN_READ_COMMAND;
  platform::Edit& IN_ORDER_PROPERTY;
  platform::Edit& OUT_SELECTED_ORDER;
};

class StopLevelsWindow {
 public:
  // Resolves its controls and wires their handlers. Everything passed in is held, not owned.
  StopLevelsWindow(const platform::Platform& platform, link::CommandWriter& commands,
                   const link::OrderVariables& order, const settings::SettingVariables& settings);
  StopLevelsWindow(const StopLevelsWindow&) = delete;
  StopLevelsWindow& operator=(const StopLevelsWindow&) = delete;

  void stop_levels_clicked();  // opens the window, unless the link is busy or nothing is selected
  void stop_levels_cancel_clicked();  // Cancel
  void stop_levels_apply_clicked();   // Apply
  // The fill tick: the title, then at most one stage; a failure ends it silently.
  void fill_tick() noexcept;
  void sl_price_from_points() { sl_.price_from_points(); }
  void tp_price_from_points() { tp_.price_from_points(); }

 private:
  void wire_handlers();
  void refresh();
  void close();
  bool refused_opening();
  void fill_stage();
  bool may_load();

  StopLevelsControls c_;
  link::CommandWriter& commands_;
  const link::OrderVariables& order_;
  const settings::SettingVariables& settings_;
  platform::MessageBoxes& messages_;
  LevelSide sl_;
  LevelSide tp_;
  AnswerWait answer_;
  int32_t sl_load_pending_ = 0;  // non-zero: the stop-loss side is still to be loaded
  int32_t tp_load_pending_ = 0;
};

}  // namespace pelmora::stop_levels
