// The order section of the main panel: the lot field Edit12 with its spin pair, SELL, BUY,
// CLOSE and the shortcut menu's "Закрыть все ордера". Every action ends in one command.
#pragma once

#include "link/command_writer.h"
#include "link/order_variables.h"
#include "platform/platform.h"

namespace pelmora::trading {

class OrderEntry {
 public:
  // Resolves its controls and wires their handlers. Everything passed in is held, not owned.
  OrderEntry(const platform::Platform& platform, link::CommandWriter& commands,
             const link::OrderVariables& order);
  OrderEntry(const OrderEntry&) = delete;
  OrderEntry& operator=(const OrderEntry&) = delete;
};

}  // namespace pelmora::trading
