// Tab and Shift+Tab on the in-memory form, through the window's Tab event: the order along the
// focused control's panel, the wrap at both ends, controls hidden or disabled, a closed panel,
// and controls that lie on no panel.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "form/layout.h"
#include "form/names.h"
#include "link/exchange_fields.h"
#include "panel_world.h"

namespace pelmora::form {

namespace names = pelmora::form::names;
namespace {

TEST(TabOrder, MovesAlongTheFocusedControlsPanelSkippingWhatCannotTakeTheFocus) {
  using Names = std::set<std::string_view>;
  const struct {
    std::string_view from;
    bool backwards;
    Names hidden, disabled;
    std::optional<std::string_view> to;
    bool panel_open = true;
  } cases[] = {
      {names::kStopLevelsButton, false, {}, {}, names::kTrailingButton},
      {names::kSpeedSlider, false, {}, {}, names::kOrdersList},  // wraps at the end
      {names::kOrdersList, true, {}, {}, names::kSpeedSlider},   // and at the start
      {names::kStopLevelsButton,
       false,
       {names::kTrailingButton},
       {names::kCloseButton},
       names::kSpeedSlider},
      {names::kLotField, false, {}, {}, names::kOrdersList},  // not a stop: the first one
      {names::kLotField, false, {}, {names::kOrdersList}, names::kLotSpin},
      {names::kStopLossPrice, true, {}, {}, names::kStopLevelsApply},  // its own panel's order
      {names::kSettingsApply, false, {}, {}, names::kSlTpModeGroup},
      {names::kTrailingDistance, false, {}, {}, names::kTrailingSpin},
      {names::kTrailingApply, false, {names::kTrailingDistance}, {}, names::kTrailingSpin},
      {names::kTrailingCancel,
       false,
       {names::kTrailingDistance, names::kTrailingSpin},
       {names::kTrailingCancel, names::kTrailingApply},
       std::nullopt},
      {names::kTrailingApply, false, {}, {}, std::nullopt, false},  // its panel is closed
      {names::kMainPanel, false, {}, {}, std::nullopt},             // a panel
      {link::kInOrders.name, false, {}, {}, std::nullopt},          // on the form itself
      {"NoSuchControl", false, {}, {}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + (c.backwards ? " back" : ""));
    testing::PanelWorld w;
    w.start();
    const std::optional<ControlSpec> from = find_control(c.from);
    if (from && is_panel(from->parent)) w.c().control(from->parent).set_visible(c.panel_open);
    for (std::string_view name : c.hidden) w.c().control(name).set_visible(false);
    for (std::string_view name : c.disabled) w.c().control(name).set_enabled(false);
    const size_t focused_before = w.c().focus_history().size();

    EXPECT_EQ(w.c().window().press_tab(c.from, c.backwards), c.to.has_value());
    if (c.to) {
      EXPECT_EQ(w.c().focused(), *c.to);
    } else {
      EXPECT_EQ(w.c().focus_history().size(), focused_before);
    }
  }
}

}  // namespace
}  // namespace pelmora::form
