// IN_ORDER_PROPERTY as the expert may write it: with k complete fields in the record, the nine
// fields repeat the cycle "the k fields, then one empty field", and reading the record takes
// the numbers from fields 2 to 6 and 9 without ever producing NaN.
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/lenient_number.h"
#include "common/whole_number.h"
#include "fuzz_check.h"
#include "link/order_property.h"

using namespace pelmora;
using fuzz::same_double;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view record(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> complete;
  for (size_t from = 0, semicolon; (semicolon = record.find(';', from)) != record.npos;
       from = semicolon + 1) {
    complete.push_back(record.substr(from, semicolon - from));
  }

  const auto fields = link::split_order_property(record);
  for (size_t i = 0; i < fields.size(); ++i) {
    const size_t place = i % (complete.size() + 1);
    if (place == complete.size()) {
      FUZZ_CHECK(fields[i].empty());
    } else {
      FUZZ_CHECK(fields[i].data() == complete[place].data());
      FUZZ_CHECK(fields[i].size() == complete[place].size());
    }
  }

  link::OrderVariables order{.order_type = -7, .lot_step = 0.5};
  link::read_order_property(record, order);
  const auto type = common::read_whole_number(fields[1]);
  FUZZ_CHECK(order.order_type == (type ? *type : -7));
  const double numbers[] = {order.open_price, order.stop_loss, order.take_profit, order.point_size,
                            order.lot_step};
  const size_t places[] = {2, 3, 4, 5, 8};
  for (size_t i = 0; i < 5; ++i) {
    FUZZ_CHECK(!std::isnan(numbers[i]));
    FUZZ_CHECK(same_double(numbers[i], common::read_lenient_number(fields[places[i]])));
  }
  return 0;
}
