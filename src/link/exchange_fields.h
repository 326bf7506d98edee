// The six exchange fields through which the terminal-side expert and the panel talk: their
// names and the fixed control identifiers by which the expert finds them inside the panel
// window (found by its caption). These numbers are a published contract: never renumber.
#pragma once

#include <array>
#include <string_view>

namespace pelmora::link {

struct ExchangeFieldId {
  std::string_view name;
  int control_id;
  bool multi_line;
};

inline constexpr ExchangeFieldId kInOrders{"IN_ORDERS", 1001, true};
inline constexpr ExchangeFieldId kInReadCommand{"IN_READ_COMMAND", 1002, false};
inline constexpr ExchangeFieldId kInAskBid{"IN_ASK_BID", 1003, false};
inline constexpr ExchangeFieldId kInOrderProperty{"IN_ORDER_PROPERTY", 1004, false};
inline constexpr ExchangeFieldId kOutSelectedOrder{"OUT_SELECTED_ORDER", 1005, false};
inline constexpr ExchangeFieldId kOutCommand{"OUT_COMMAND", 1006, false};

inline constexpr std::array<ExchangeFieldId, 6> kExchangeFields{
    kInOrders, kInReadCommand, kInAskBid, kInOrderProperty, kOutSelectedOrder, kOutCommand};

// The handshake words the terminal side writes into IN_READ_COMMAND.
inline constexpr std::string_view kReadOk = "READ_OK";
inline constexpr std::string_view kWait = "WAIT";

// The panel window's caption is this prefix followed by the first command-line parameter.
inline constexpr std::string_view kCaptionPrefix = "Pelmora";

}  // namespace pelmora::link
