// Tester control.
#include "trading/tester_control.h"

namespace pelmora::trading {

TesterControl::TesterControl(const platform::Platform&) {}

void TesterControl::SetTesterSpeed() {}

}  // namespace pelmora::trading
