// Order entry on the real form: the command writers' steps and the ticket CLOSE sends, and the
// two spin pairs, lot and trailing distance, which share one step rule.
#include <gtest/gtest.h>

#include <cmath>

#include "form/names.h"
#include "panel_world.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

using OrderEntry = PanelUser;

TEST_F(OrderEntry, EachCommandWriterRunsItsStepsInOrderAndReplacesTheLastCommand) {
  report_orders("12345 (buy 0.10)\r\n");  // enables CLOSE and the menu item
  report_orders("777 (sell 0.20)\r\n");   // the selected line was replaced
  edit(names::kLotField).type("1,5");     // typed text goes out unchanged
  const struct {
    std::function<void()> act;
    const char* steps;
    const char* command;
  } cases[] = {
      {[&] { button(names::kSellButton).click(); }, "CW", "OPEN_SELL;1,5;;;"},
      {[&] { button(names::kBuyButton).click(); }, "CW", "OPEN_BUY;1,5;;;"},
      {[&] { button(names::kCloseButton).click(); }, "RCW", "CLOSE;777 ;;;"},
      {[&] { c().fake_menu_item(names::kCloseAllItem).click(); }, "C", "CLOSE_ALL;;;;"},
      {[&] { edit(names::kLotField).key_down(); }, "R", "CLOSE_ALL;;;;"},
      {[&] { edit(names::kLotField).key_up(); }, "R", "CLOSE_ALL;;;;"},
  };
  for (const auto& k : cases) {
    EXPECT_EQ(journal(k.act), k.steps) << k.command;
    EXPECT_EQ(command(), k.command);
  }
}

// The lot pair steps by the lot step and stops at it, the distance pair by whole units down to
// zero. Both leave the field first and turn "," into "."; text that is no number stays, the
// field gets the focus back and the up button shows the lot-size message.
TEST_F(OrderEntry, BothSpinPairsStepTheirFieldByOneRule) {
  const struct {
    std::string_view field;
    double lot_step;  // the lot pair's step; the distance pair steps by 1
    const char* text;
    bool up;
    const char* after;
    bool number;    // the text read as a number
    int refreshes;  // the distance field refreshes once per real change of its text
  } cases[] = {
      {names::kLotField, 0.01, "0.05", false, "0.04", true, 0},
      {names::kLotField, 0.01, "0.01", false, "0.01", true, 0},
      {names::kLotField, 0.1, "0.25", true, "0.35", true, 0},
      {names::kLotField, 0.1, "0.15", false, "0.10", true, 0},
      {names::kLotField, 0.01, "1,5", true, "1.51", true, 0},
      {names::kLotField, 0.01, "1,5,5", true, "1.5.5", false, 0},
      {names::kLotField, HUGE_VAL, "1,0", true, "1.0", true,
       0},  // no text for the sum: ends silently
      {names::kTrailingDistance, 0, "0", false, "0", true, 0},
      {names::kTrailingDistance, 0, "2,5", true, "4", true, 2},
      {names::kTrailingDistance, 0, "-7", true, "0", true, 1},
      {names::kTrailingDistance, 0, "abc", false, "abc", false, 0},
      {names::kTrailingDistance, 0, "2,5,", true, "2.5.", false, 1},
  };
  for (const auto& k : cases) {
    form->order().lot_step = k.lot_step;
    edit(k.field).type(k.text);
    const size_t shown = messages();
    const size_t focus = c().focus_history().size();
    const int refreshed = refreshes();
    auto& pair = c().fake<platform::fake::FakeSpinButtons>(
        k.field == names::kLotField ? names::kLotSpin : names::kTrailingSpin);
    k.up ? pair.click_up() : pair.click_down();

    const std::string trace = std::string(k.field) + " " + k.text + (k.up ? " up" : " down");
    EXPECT_EQ(edit(k.field).text(), k.after) << trace;
    EXPECT_EQ(refreshes() - refreshed, k.refreshes) << trace;
    EXPECT_EQ(messages(), shown + (!k.number && k.up ? 1 : 0)) << trace;
    std::vector<std::string> expected_moves{"IN_ORDERS"};
    if (!k.number) expected_moves.emplace_back(k.field);
    EXPECT_EQ(std::vector<std::string>(c().focus_history().begin() + static_cast<long>(focus),
                                       c().focus_history().end()),
              expected_moves)
        << trace;
  }
  EXPECT_EQ(roles->messages.messages().front(), "Lot size error!");
  EXPECT_EQ(command(), "");  // stepping sends nothing
}

}  // namespace
}  // namespace pelmora::testing
