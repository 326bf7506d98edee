// The selected order's variables, shared by the whole program; only UpdateSelectedOrder writes
// them. Kept in one object owned by the form rather than in globals.
#pragma once

#include <cstdint>

namespace pelmora::link {

struct OrderVariables {
  int32_t OrderType = 0;  // odd: sell side
  double OrderOpenPrice = 0;
  double OrderStopLoss = 0;    // 0: none
  double OrderTakeProfit = 0;  // 0: none
  double PointSize = 0;
  double LotStep = 0.01;  // never left at 0

  bool operator==(const OrderVariables&) const = default;
};

}  // namespace pelmora::link
