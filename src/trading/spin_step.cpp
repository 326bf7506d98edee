// The spin step's seven steps in their fixed order.
#include "trading/spin_step.h"

#include <algorithm>

#include "common/strict_number.h"

namespace pelmora::trading {

void spin_step(const SpinField& spin, SpinDirection direction, platform::MessageBoxes& messages) {
  spin.focus_elsewhere.set_focus();
  std::string text = spin.field.text();
  std::ranges::replace(text, ',', '.');
  spin.field.set_text(text);
  const std::optional<double> read = common::read_strict_number(text);
  if (!read) {
    if (direction == SpinDirection::kUp) messages.show_message(kLotSizeError);
    spin.field.set_focus();
    return;
  }
  double value = direction == SpinDirection::kUp ? *read + spin.step : *read - spin.step;
  if (value < spin.floor) value = spin.floor;
  spin.field.set_text(spin.text_of(value));
}

}  // namespace pelmora::trading
