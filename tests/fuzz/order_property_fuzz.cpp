// IN_ORDER_PROPERTY as the expert may write it: with k complete fields in the record, the nine
// fields repeat the cycle "the k fields, then one empty field", and reading the record takes
// the numbers from fields 2 to 6 and 9 without ever producing NaN.
#include <vector>

#include "common/lenient_number.h"
#include "common/whole_number.h"
#include "fuzz_check.h"
#include "link/order_property.h"

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view record = fuzz::text_of(data, size);
  std::vector<std::string_view> complete;
  for (size_t from = 0, end; (end = record.find(';', from)) != record.npos; from = end + 1) {
    complete.push_back(record.substr(from, end - from));
  }
  const auto fields = link::split_order_property(record);
  for (size_t i = 0; i < fields.size(); ++i) {
    const size_t place = i % (complete.size() + 1);
    const std::string_view expected = place == complete.size() ? "" : complete[place];
    FUZZ_CHECK(fields[i].size() == expected.size() &&
               (expected.empty() || fields[i].data() == expected.data()));
  }
  link::OrderVariables order{.order_type = -7, .lot_step = 0.5};
  link::read_order_property(record, order);
  FUZZ_CHECK(order.order_type == common::read_whole_number(fields[1]).value_or(-7));
  const std::pair<double, size_t> numbers[] = {{order.open_price, 2},
                                               {order.stop_loss, 3},
                                               {order.take_profit, 4},
                                               {order.point_size, 5},
                                               {order.lot_step, 8}};
  for (const auto& [number, place] : numbers) {
    FUZZ_CHECK(!std::isnan(number));
    FUZZ_CHECK(fuzz::same_double(number, common::read_lenient_number(fields[place])));
  }
  return 0;
}
