// The order property record of IN_ORDER_PROPERTY: nine fields, each closed by ";", read into
// the order variables.
#pragma once

#include <array>
#include <string_view>

#include "link/order_variables.h"

namespace pelmora::link {

inline constexpr size_t kOrderPropertyFields = 9;

// The nine field texts (views into `record`). Each field runs up to the next ";"; a field whose
// ";" is missing is empty, and the search for the following field starts again at the
// beginning of the record, so a short record repeats its early fields in the later places.
std::array<std::string_view, kOrderPropertyFields> split_order_property(std::string_view record);

// Reads the record into `order`: field 2 (a strict whole number) into order_type, unchanged when
// it is not one; fields 3, 4, 5, 6 and 9 (lenient numbers, 0 when empty) into open_price,
// stop_loss, take_profit, point_size and lot_step. Fields 1, 7 and 8 are not used.
// lot_step may be left at 0 here; the caller restores it after the lot check.
void read_order_property(std::string_view record, OrderVariables& order);

}  // namespace pelmora::link
