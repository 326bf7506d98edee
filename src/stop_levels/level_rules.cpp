// The four conversions written out as the trader reads them, one line per side.
#include "stop_levels/level_rules.h"

namespace pelmora::stop_levels {

bool sell_side(const link::OrderVariables& order) {
  return (order.order_type & 1) != 0;
}

double price_from_distance(Level level, const link::OrderVariables& order, double distance) {
  const double open = order.open_price;
  const double offset = distance * order.point_size;
  const bool below = (level == Level::kStopLoss) != sell_side(order);
  return below ? open - offset : open + offset;
}

double distance_of_order_level(Level level, const link::OrderVariables& order) {
  const double open = order.open_price;
  const double price = order_level(level, order);
  const bool below = (level == Level::kStopLoss) != sell_side(order);
  return below ? (open - price) / order.point_size : (price - open) / order.point_size;
}

double order_level(Level level, const link::OrderVariables& order) {
  return level == Level::kStopLoss ? order.stop_loss : order.take_profit;
}

}  // namespace pelmora::stop_levels
