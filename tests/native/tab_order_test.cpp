// Tab and Shift+Tab along a panel's tab stops: the order, the wrap at both ends, controls that
// cannot take the focus, and controls that lie on no panel.
#include "shell/tab_order.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pelmora::shell {
namespace {

TEST(TabOrder, MovesAlongTheFocusedControlsPanelSkippingWhatCannotTakeTheFocus) {
  const struct {
    std::string_view from;
    bool backwards;
    std::set<std::string> unavailable;
    std::optional<std::string_view> to;
  } cases[] = {
      {"Button3", false, {}, "Button4"},
      {"TrackBar1", false, {}, "ORDERS_LIST_m"},  // wraps at the end
      {"ORDERS_LIST_m", true, {}, "TrackBar1"},   // and at the start
      {"Button3", false, {"Button4", "Button7"}, "TrackBar1"},
      {"Edit12", false, {}, "ORDERS_LIST_m"},  // not a stop: the first one
      {"Edit12", false, {"ORDERS_LIST_m"}, "RzSpinButtons8"},
      {"Edit1", true, {}, "Button9"},  // another panel, its own order
      {"Button13", false, {}, "RadioGroup1"},
      {"Edit7", false, {}, "RzSpinButtons3"},
      {"Button6", false, {"Edit7"}, "RzSpinButtons3"},
      {"Button5", false, {"Edit7", "RzSpinButtons3", "Button5", "Button6"}, std::nullopt},
      {"main", false, {}, std::nullopt},       // a panel
      {"IN_ORDERS", false, {}, std::nullopt},  // on the form itself
      {"NoSuchControl", false, {}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto available = [&](std::string_view name) {
      return !c.unavailable.count(std::string(name));
    };
    EXPECT_EQ(next_tab_stop(c.from, c.backwards, available), c.to)
        << c.from << (c.backwards ? " back" : "");
  }
}

}  // namespace
}  // namespace pelmora::shell
