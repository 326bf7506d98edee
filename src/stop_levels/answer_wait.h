// Holds the load stages of the SL/TP window back until the order variables describe the order
// now selected. When the panel publishes a new ticket, IN_ORDER_PROPERTY still holds the
// previous order's record until the expert answers; loading then would fill the window, and the
// next Apply, with another order's levels. The wait is bounded, so a silent expert only delays.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/order_variables.h"

namespace pelmora::stop_levels {

class AnswerWait {
 public:
  // Fill ticks a load stage may wait before it loads what there is.
  static constexpr int kMaxWaitTicks = 4;

  // The ticket in OUT_SELECTED_ORDER changed; `record` is IN_ORDER_PROPERTY's text just then,
  // which still belongs to the previous order.
  void ticket_changed(std::string record);
  // An opening of the window: the bound counts afresh.
  void restart() { waited_ticks_ = 0; }
  // Asked by a due load stage with IN_ORDER_PROPERTY's text now: true when a new record has
  // arrived since the ticket changed and the order variables hold what it says, or when the
  // stage has waited long enough. A false answer counts one waited tick.
  bool may_load(std::string_view record, const link::OrderVariables& order);

 private:
  std::optional<std::string> stale_record_;  // set from a ticket change until a new record
  int waited_ticks_ = 0;
};

}  // namespace pelmora::stop_levels
