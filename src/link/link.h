// The panel's half of the link: the link tick (Timer1Timer) with the command handshake, the
// mirror of IN_ORDERS into ORDERS_LIST_m, the enabling of the order buttons, and
// UpdateSelectedOrder, which publishes the selected ticket and reads the order property record.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/order_variables.h"
#include "platform/controls.h"

namespace pelmora::link {

// The controls the link works on; held, not owned.
struct LinkControls {
  platform::Edit& IN_ORDERS;
  platform::Edit& IN_READ_COMMAND;
  platform::Edit& IN_ORDER_PROPERTY;
  platform::Edit& OUT_SELECTED_ORDER;
  platform::Edit& OUT_COMMAND;
  platform::Edit& Edit12;  // the lot field
  platform::ListBox& ORDERS_LIST_m;
  platform::Switchable& Button3;
  platform::Switchable& Button4;
  platform::Switchable& Button7;
  platform::Switchable& N2;
};

class Link {
 public:
  Link(LinkControls controls, OrderVariables& order);

  // Handler of Timer1. Never throws: a failing step ends the tick silently.
  void Timer1Timer();
  // Publishes the selected ticket, reads the property record, checks the lot field; each of
  // its three stages runs even when an earlier one fails. Never throws.
  void UpdateSelectedOrder();
  // Selection handler of ORDERS_LIST_m.
  void ORDERS_LIST_mClick() { UpdateSelectedOrder(); }

 private:
  void publish_selected_ticket();
  void publish(std::string_view ticket);
  void read_order_property_and_check_lot();
  void take_orders(std::string orders);
  void mirror_orders(const std::vector<std::string_view>& lines);
  void set_order_buttons_enabled(bool on);

  LinkControls c_;
  OrderVariables& order_;
  std::vector<std::string_view> lines_;  // reused; views into the text being taken
  // IN_ORDERS as last mirrored in full, and whether it had order lines: an unchanged text needs
  // neither the split nor the mirror. Nothing before the first tick.
  std::optional<std::string> mirrored_;
  bool has_orders_ = false;
};

}  // namespace pelmora::link
