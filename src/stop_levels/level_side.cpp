// The routines of one side. Every write goes through the field, so its change event (and the
// price recalculation it runs) happens inside the write, as the user would see it.
#include "stop_levels/level_side.h"

#include <algorithm>
#include <optional>
#include <string>

#include "common/decimal_reading.h"
#include "common/number_texts.h"
#include "common/silently.h"

namespace pelmora::stop_levels {

namespace {

constexpr int kLoadDigits = 10;
constexpr int kSpinDigits = 5;

std::string with_points(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

}  // namespace

LevelSide::LevelSide(Level level, SideFields fields, const link::OrderVariables& order,
                     const platform::Locale& locale)
    : level_(level), f_(fields), order_(order), locale_(locale) {}

void LevelSide::price_from_points() {
  const std::string distance = f_.distance.text();
  std::string price;
  if (distance.empty()) {
    price = f_.price.text();
  } else if (distance == "0") {
    price = "0";  // only this very text means "no level"; "0.0" gives the open price
  } else {
    const std::optional<double> d =
        common::read_locale_number(distance, locale_.decimal_separator());
    if (!d) return;
    price = common::price_text(price_from_distance(level_, order_, *d));
  }
  f_.price.set_text(with_points(std::move(price)));
}

void LevelSide::load() {
  const double level = order_level(level_, order_);
  if (level == 0) return;
  f_.price.set_text(common::price_text(level));
  if (order_.point_size == 0) return;
  f_.distance.set_text(common::whole_text(distance_of_order_level(level_, order_), kLoadDigits));
}

void LevelSide::spin_step(int delta, platform::Edit& away,
                          platform::MessageBoxes& messages) noexcept {
  common::silently([&] {
    step_distance(delta, away, messages);
    price_from_points();  // once more, whatever happened before
  });
}

void LevelSide::step_distance(int delta, platform::Edit& away, platform::MessageBoxes& messages) {
  away.set_focus();  // the distance field is no longer being edited
  f_.distance.set_text(with_points(f_.distance.text()));
  std::string text = f_.distance.text();
  if (text.empty()) text = "0";
  const std::optional<double> value = common::read_strict_number(text);
  if (!value) {
    messages.show_message(kBadValueMessage);
    f_.distance.set_focus();
    return;
  }
  f_.distance.set_text(common::whole_text(*value + delta, kSpinDigits));
}

}  // namespace pelmora::stop_levels
