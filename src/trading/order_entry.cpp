// Order entry and closing.
#include "trading/order_entry.h"

namespace pelmora::trading {

OrderEntry::OrderEntry(const platform::Platform&, link::CommandWriter&,
                       const link::OrderVariables&) {}

}  // namespace pelmora::trading
