// One side of the SL/TP window: a distance field in points beside its price field, with the
// side's price routine (sl_price_from_points or tp_price_from_points), its load from the order and
// its spin step.
#pragma once

#include <string_view>

#include "link/order_variables.h"
#include "platform/controls.h"
#include "platform/locale.h"
#include "platform/message_boxes.h"
#include "stop_levels/level_rules.h"

namespace pelmora::stop_levels {

inline constexpr std::string_view kBadValueMessage = "Введено неверное значение!";

struct SideFields {
  platform::Edit& distance;
  platform::Edit& price;
};

class LevelSide {
 public:
  // Everything passed in is held, not owned.
  LevelSide(Level level, SideFields fields, const link::OrderVariables& order,
            const platform::Locale& locale);

  // The price routine: the price of the distance read in the user's notation, "0" for the
  // distance "0", the price field's own text (with "." for ",") for an empty distance; a
  // distance that is not a number leaves the price alone. Writes the price field once.
  void price_from_points();
  // Loads the order's own level, if it has one: its price, then its distance in whole points
  // (unless point_size is 0), whose change event computes the price back from the rounding.
  void load();
  // One press of a spin button, `delta` +1 or -1; a failure ends it silently with the fields as
  // they stand. `away` is the field that takes the focus meanwhile (IN_ORDERS).
  void spin_step(int delta, platform::Edit& away, platform::MessageBoxes& messages) noexcept;

 private:
  void step_distance(int delta, platform::Edit& away, platform::MessageBoxes& messages);

  Level level_;
  SideFields f_;
  const link::OrderVariables& order_;
  const platform::Locale& locale_;
};

}  // namespace pelmora::stop_levels
