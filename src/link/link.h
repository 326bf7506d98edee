// The panel's half of the link: the link tick with the command handshake, the
// mirror of IN_ORDERS into the orders list, the enabling of the order buttons, and
// update_selected_order, which publishes the selected ticket and reads the order property record.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/command_writer.h"
#include "link/order_variables.h"
#include "platform/controls.h"

namespace pelmora::link {

// The fields the link works on; held, not owned.
struct LinkFields {
  platform::Edit& IN_ORDERS;
  platform::Edit& IN_ORDER_PROPERTY;
  platform::Edit& OUT_SELECTED_ORDER;
  platform::Edit& lot_field;
  platform::ListBox& orders_list;
};

// Told whether the terminal reports open orders, each time the orders text changes: the actions
// on an open order are offered only then.
using OrdersPresent = std::function<void(bool present)>;

class Link {
 public:
  // The command writer completes the handshake at each tick. Everything is held, not owned.
  Link(LinkFields fields, OrderVariables& order, CommandWriter& commands,
       OrdersPresent orders_present);

  // Runs every 10 ms (200 ms until the panel follows a chart). A failing step ends the tick
  // silently.
  void tick() noexcept;
  // Publishes the selected ticket, reads the property record, checks the lot field (unless the
  // user is typing in it); each of its three stages runs even when an earlier one fails.
  void update_selected_order() noexcept;
  // The user moved the list's selection.
  void orders_list_clicked() noexcept { update_selected_order(); }

 private:
  void tick_steps();
  void publish_selected_ticket();
  void publish(std::string_view ticket);
  void read_order_property_and_check_lot();
  void take_orders(std::string orders);
  void mirror_orders(const std::vector<std::string_view>& lines);

  LinkFields c_;
  OrdersPresent orders_present_;
  OrderVariables& order_;
  CommandWriter& commands_;
  std::vector<std::string_view> lines_;  // reused; views into the text being taken
  // IN_ORDERS as last mirrored in full, and whether it had order lines: an unchanged text needs
  // neither the split nor the mirror. Nothing before the first tick.
  std::optional<std::string> mirrored_;
  bool has_orders_ = false;
};

}  // namespace pelmora::link
