// Tab and Shift+Tab along a panel's tab stops: the order, the wrap at both ends, controls that
// cannot take the focus, and controls that lie on no panel.
#include "form/tab_order.h"
#include "form/names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelmora::form {

namespace names = pelmora::form::names;
namespace {

TEST(TabOrder, MovesAlongTheFocusedControlsPanelSkippingWhatCannotTakeTheFocus) {
  const struct {
    std::string_view from;
    bool backwards;
    std::set<std::string_view> unavailable;
    std::optional<std::string_view> to;
  } cases[] = {
      {names::kStopLevelsButton, false, {}, names::kTrailingButton},
      {names::kSpeedSlider, false, {}, names::kOrdersList},  // wraps at the end
      {names::kOrdersList, true, {}, names::kSpeedSlider},   // and at the start
      {names::kStopLevelsButton,
       false,
       {names::kTrailingButton, names::kCloseButton},
       names::kSpeedSlider},
      {names::kLotField, false, {}, names::kOrdersList},  // not a stop: the first one
      {names::kLotField, false, {names::kOrdersList}, names::kLotSpin},
      {names::kStopLossPrice, true, {}, names::kStopLevelsApply},  // another panel, its own order
      {names::kSettingsApply, false, {}, names::kSlTpModeGroup},
      {names::kTrailingDistance, false, {}, names::kTrailingSpin},
      {names::kTrailingApply, false, {names::kTrailingDistance}, names::kTrailingSpin},
      {names::kTrailingCancel,
       false,
       {names::kTrailingDistance, names::kTrailingSpin, names::kTrailingCancel,
        names::kTrailingApply},
       std::nullopt},
      {names::kMainPanel, false, {}, std::nullopt},  // a panel
      {"IN_ORDERS", false, {}, std::nullopt},        // on the form itself
      {"NoSuchControl", false, {}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto available = [&](std::string_view name) { return !c.unavailable.count(name); };
    EXPECT_EQ(next_tab_stop(c.from, c.backwards, available), c.to)
        << c.from << (c.backwards ? " back" : "");
  }
}

}  // namespace
}  // namespace pelmora::form
