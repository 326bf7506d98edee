// The stop-loss and take-profit window SET_TP_SL_WND: opened by "TP/SL" in the main panel's
// place, filled from the selected order by its 500 ms timer one stage per tick, edited in points
// or prices, and sent as one SET_TP_SL command by "Применить".
#pragma once

#include <cstdint>

#include "link/command_writer.h"
#include "link/order_variables.h"
#include "platform/platform.h"
#include "shell/setting_variables.h"
#include "sltp/answer_wait.h"
#include "sltp/level_side.h"

namespace pelmora::sltp {

// The controls the window works on, resolved once; held, not owned.
struct TpSlControls {
  platform::ControlSet& set;  // for RefreshPanelButtons and RebuildWindowRegion
  platform::Control& main;
  platform::Control& SET_TP_SL_WND;
  platform::TextControl& Label1;
  platform::Edit& Edit1;
  platform::Edit& Edit2;
  platform::Edit& Edit3;
  platform::Edit& Edit4;
  platform::Button& Button3;
  platform::Button& Button8;
  platform::Button& Button9;
  platform::SpinButtons& RzSpinButtons1;
  platform::SpinButtons& RzSpinButtons2;
  platform::Timer& SET_TP_SL_TMR;
  platform::Timer& Timer1;
  platform::Edit& IN_ORDERS;
  platform::Edit& IN_READ_COMMAND;
  platform::Edit& IN_ORDER_PROPERTY;
  platform::Edit& OUT_SELECTED_ORDER;
};

class TpSlWindow {
 public:
  // Resolves its controls and wires their handlers. Everything passed in is held, not owned.
  TpSlWindow(const platform::Platform& platform, link::CommandWriter& commands,
             const link::OrderVariables& order, const shell::SettingVariables& settings);
  TpSlWindow(const TpSlWindow&) = delete;
  TpSlWindow& operator=(const TpSlWindow&) = delete;

  void Button3Click();  // opens the window, unless the link is busy or nothing is selected
  void Button8Click();  // Cancel
  void Button9Click();  // Apply
  // The fill tick: the title, then at most one stage. Never throws.
  void SET_TP_SL_TMRTimer();
  void SlPriceFromPoints() { sl_.price_from_points(); }
  void TpPriceFromPoints() { tp_.price_from_points(); }

 private:
  void wire_handlers();
  void refresh();
  void close();
  bool refused_opening();
  void fill_stage();
  bool may_load();

  TpSlControls c_;
  link::CommandWriter& commands_;
  const link::OrderVariables& order_;
  const shell::SettingVariables& settings_;
  platform::MessageBoxes& messages_;
  LevelSide sl_;
  LevelSide tp_;
  AnswerWait answer_;
  int32_t SlLoadPending = 0;  // non-zero: the stop-loss side is still to be loaded
  int32_t TpLoadPending = 0;
};

}  // namespace pelmora::sltp
