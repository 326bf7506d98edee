// One step of a number field's spin pair, shared by the lot field and the trailing distance:
// the field is left, its "," become ".", the number is read strictly, moved by one step, held
// at a floor and written back in the field's own form.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/message_boxes.h"

namespace pelmora::trading {

// Shown by the up button of either spin pair when its field holds no number.
inline constexpr std::string_view kLotSizeError = "Lot size error!";

enum class SpinDirection { kDown, kUp };

struct SpinField {
  platform::Edit& field;
  // Takes the focus first, so that the field is no longer being edited while it is rewritten.
  platform::Edit& focus_elsewhere;
  double step;
  double floor;  // the smallest value written back
  std::string (*text_of)(double value);
};

// Runs one step. On unreadable text the up direction shows kLotSizeError first; either way the
// focus goes back to the field and its text stays as the "," replacement left it. May throw
// (a failing control, a value with no text): the handler ends the step silently.
void spin_step(const SpinField& spin, SpinDirection direction, platform::MessageBoxes& messages);

}  // namespace pelmora::trading
