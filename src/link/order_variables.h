// The selected order's variables, shared by the whole program; only update_selected_order writes
// them. Kept in one object owned by the form rather than in globals.
#pragma once

#include <cstdint>

namespace pelmora::link {

struct OrderVariables {
  int32_t order_type = 0;  // odd: sell side
  double open_price = 0;
  double stop_loss = 0;    // 0: none
  double take_profit = 0;  // 0: none
  double point_size = 0;
  double lot_step = 0.01;  // never left at 0

  bool operator==(const OrderVariables&) const = default;
};

}  // namespace pelmora::link
