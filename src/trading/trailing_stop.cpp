// The trailing-stop window.
#include "trading/trailing_stop.h"

namespace pelmora::trading {

TrailingStop::TrailingStop(const platform::Platform&, link::CommandWriter&) {}

}  // namespace pelmora::trading
