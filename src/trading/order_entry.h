// The order section of the main panel: the lot field Edit12 with its spin pair, SELL, BUY,
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

  // SELL and BUY: the lot text goes out as it stands.
  void SpriteButton9Click();
  void SpriteButton27Click();
  // CLOSE: the ticket OUT_SELECTED_ORDER holds at the click, "-1" included.
  void Button7Click();
  // "Закрыть все ордера": the command and nothing else.
  void N2Click();
  // The lot spin, by LotStep, never below LotStep. Never throws.
  void RzSpinButtons8DownLeftClick() { lot_spin(SpinDirection::kDown); }
  void RzSpinButtons8UpRightClick() { lot_spin(SpinDirection::kUp); }
  void Edit12KeyDown();
  void Edit12KeyUp();

 private:
  struct Controls {
    platform::Edit& Edit12;
    platform::Edit& IN_ORDERS;
    platform::Edit& OUT_SELECTED_ORDER;
  };

  void wire_handlers(platform::ControlSet& controls);
  void lot_spin(SpinDirection direction);

  platform::ControlSet& controls_;
  platform::MessageBoxes& messages_;
  link::CommandWriter& commands_;
  const link::OrderVariables& order_;
  Controls c_;
};

}  // namespace pelmora::trading
