// The four controls by their role names.
#include "trading/order_actions.h"

#include "form/names.h"

namespace pelmora::trading {

void offer_order_actions(platform::ControlSet& controls, bool present) {
  namespace names = form::names;
  controls.button(names::kStopLevelsButton).set_enabled(present);
  controls.button(names::kTrailingButton).set_enabled(present);
  controls.button(names::kCloseButton).set_enabled(present);
  controls.menu_item(names::kCloseAllItem).set_enabled(present);
}

}  // namespace pelmora::trading
