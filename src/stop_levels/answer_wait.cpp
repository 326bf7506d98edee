// The record counts as read once parsing it again changes none of the variables the window
// uses: the link parses IN_ORDER_PROPERTY on its own tick, which may not have come yet.
#include "stop_levels/answer_wait.h"

#include "link/order_property.h"

namespace pelmora::stop_levels {

namespace {

bool variables_hold(std::string_view record, const link::OrderVariables& order) {
  link::OrderVariables fresh = order;
  link::read_order_property(record, fresh);
  return fresh.order_type == order.order_type && fresh.open_price == order.open_price &&
         fresh.stop_loss == order.stop_loss && fresh.take_profit == order.take_profit &&
         fresh.point_size == order.point_size;
}

}  // namespace

void AnswerWait::ticket_changed(std::string record) {
  stale_record_ = std::move(record);
  waited_ticks_ = 0;
}

bool AnswerWait::may_load(std::string_view record, const link::OrderVariables& order) {
  if (stale_record_ && record != *stale_record_) stale_record_.reset();
  if (!stale_record_ && variables_hold(record, order)) return true;
  if (waited_ticks_ >= kMaxWaitTicks) return true;
  ++waited_ticks_;
  return false;
}

}  // namespace pelmora::stop_levels
