// Field-by-field reading of the order property record; never fails, whatever the text.
#include "link/order_property.h"

#include "common/lenient_number.h"
#include "common/whole_number.h"

namespace pelmora::link {

std::array<std::string_view, kOrderPropertyFields> split_order_property(std::string_view record) {
  std::array<std::string_view, kOrderPropertyFields> fields{};
  size_t from = 0;  // index just after the previous field's ";", 0 after a miss
  for (auto& field : fields) {
    const size_t semicolon = record.find(';', from);
    if (semicolon == std::string_view::npos) {
      field = {};
      from = 0;
    } else {
      field = record.substr(from, semicolon - from);
      from = semicolon + 1;
    }
  }
  return fields;
}

void read_order_property(std::string_view record, OrderVariables& order) {
  const auto fields = split_order_property(record);
  if (const auto type = common::read_whole_number(fields[1])) order.order_type = *type;
  order.open_price = common::read_lenient_number(fields[2]);
  order.stop_loss = common::read_lenient_number(fields[3]);
  order.take_profit = common::read_lenient_number(fields[4]);
  order.point_size = common::read_lenient_number(fields[5]);
  order.lot_step = common::read_lenient_number(fields[8]);
}

}  // namespace pelmora::link
