// The four conversions written out as the trader reads them, one line per side.
#include "sltp/level_rules.h"

namespace pelmora::sltp {

bool sell_side(const link::OrderVariables& order) {
  return (order.OrderType & 1) != 0;
}

double price_from_distance(Level level, const link::OrderVariables& order, double distance) {
  const double open = order.OrderOpenPrice;
  const double offset = distance * order.PointSize;
  const bool below = (level == Level::kStopLoss) != sell_side(order);
  return below ? open - offset : open + offset;
}

double distance_of_order_level(Level level, const link::OrderVariables& order) {
  const double open = order.OrderOpenPrice;
  const double price = order_level(level, order);
  const bool below = (level == Level::kStopLoss) != sell_side(order);
  return below ? (open - price) / order.PointSize : (price - open) / order.PointSize;
}

double order_level(Level level, const link::OrderVariables& order) {
  return level == Level::kStopLoss ? order.OrderStopLoss : order.OrderTakeProfit;
}

}  // namespace pelmora::sltp
