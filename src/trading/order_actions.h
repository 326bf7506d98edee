// The actions on an open order (TP/SL, T-SL, CLOSE and the menu's "Закрыть все ордера") are
// offered only while the terminal reports at least one open order.
#pragma once

#include "platform/control_set.h"

namespace pelmora::trading {

// Enables or disables the four together.
void offer_order_actions(platform::ControlSet& controls, bool present);

}  // namespace pelmora::trading
