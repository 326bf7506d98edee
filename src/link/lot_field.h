// The lot-step rule: no lot below the lot step goes out, or stays in the lot field once the
// user has left it. It reads the lot as the spin steps do with every "," taken for ".", so that
// "0,2" means 0.2; what reads at or above the step is left exactly as typed.
#pragma once

#include "platform/controls.h"

namespace pelmora::link {

// Replaces a lot that reads below `lot_step` (an empty text, or one that does not begin with a
// number, reads as 0) by the step in the two-decimal form.
void keep_lot_at_step(platform::Edit& lot_field, double lot_step);

}  // namespace pelmora::link
