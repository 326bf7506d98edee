// Which side of the open price each protective level lies on: a positive distance puts the
// stop-loss on the losing side and the take-profit on the winning side, for buy and sell alike.
#pragma once

#include "link/order_variables.h"

namespace pelmora::stop_levels {

enum class Level { kStopLoss, kTakeProfit };

// An odd order type is a sell-side order.
bool sell_side(const link::OrderVariables& order);

// The price `distance` points from the open price. No sign check: a negative distance gives a
// level on the other side.
double price_from_distance(Level level, const link::OrderVariables& order, double distance);

// The distance in points of the order's own level (its stop-loss or take-profit) from its open
// price. point_size must not be 0.
double distance_of_order_level(Level level, const link::OrderVariables& order);

// The order's own stop-loss or take-profit; 0 when it has none.
double order_level(Level level, const link::OrderVariables& order);

}  // namespace pelmora::stop_levels
