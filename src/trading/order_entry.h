// The order section of the main panel: the lot field with its spin pair, SELL, BUY,
// CLOSE and the shortcut menu's "Закрыть все ордера". Every action ends in one command.
#pragma once

#include "link/command_writer.h"
#include "link/order_variables.h"
#include "platform/platform.h"
#include "trading/spin_step.h"

namespace pelmora::trading {

class OrderEntry {
 public:
  // Resolves its controls and wires their handlers. Everything passed in is held, not owned.
  OrderEntry(const platform::Platform& platform, link::CommandWriter& commands,
             const link::OrderVariables& order);
  OrderEntry(const OrderEntry&) = delete;
  OrderEntry& operator=(const OrderEntry&) = delete;

  // SELL and BUY: the lot text goes out as it stands, once a lot below the lot step has been
  // put back to the step.
  void sell_clicked();
  void buy_clicked();
  // CLOSE: the ticket OUT_SELECTED_ORDER holds at the click, "-1" included.
  void close_clicked();
  // "Закрыть все ордера": the command and nothing else.
  void close_all_clicked();
  // The lot spin, by lot_step, never below lot_step; a failing step ends silently.
  void lot_down_clicked() noexcept { lot_spin(SpinDirection::kDown); }
  void lot_up_clicked() noexcept { lot_spin(SpinDirection::kUp); }
  void lot_key_down();
  void lot_key_up();
  // The user left the lot field: a lot below the lot step does not stay. Silent.
  void lot_left() noexcept;

 private:
  struct Controls {
    platform::Edit& lot_field;
    platform::Edit& IN_ORDERS;
    platform::Edit& OUT_SELECTED_ORDER;
  };

  void wire_handlers(platform::ControlSet& controls);
  void lot_spin(SpinDirection direction) noexcept;

  platform::ControlSet& controls_;
  platform::MessageBoxes& messages_;
  link::CommandWriter& commands_;
  const link::OrderVariables& order_;
  Controls c_;
};

}  // namespace pelmora::trading
