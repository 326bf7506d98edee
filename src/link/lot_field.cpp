// The lot-step rule on the lot field's text.
#include "link/lot_field.h"

#include <algorithm>
#include <string>

#include "common/fixed_text.h"
#include "common/lenient_number.h"

namespace pelmora::link {

void keep_lot_at_step(platform::Edit& lot_field, double lot_step) {
  std::string text = lot_field.text();
  std::ranges::replace(text, ',', '.');
  if (lot_step > common::read_lenient_number(text)) {
    lot_field.set_text(common::lot_text(lot_step));
  }
}

}  // namespace pelmora::link
