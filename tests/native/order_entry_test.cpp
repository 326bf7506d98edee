// Order entry on the real form: the command writers' steps, the newest command winning, and
// the lot spin's reading, step, floor, message and focus.
#include <gtest/gtest.h>

#include <cmath>

#include "panel_user.h"

namespace pelmora::testing {
namespace {

using OrderEntry = PanelUser;

TEST_F(OrderEntry, EachCommandWriterRunsItsStepsInOrder) {
  report_orders("12345 (buy 0.10)\r\n");  // enables CLOSE and the menu item
  edit("Edit12").type("1,5");             // typed text goes out unchanged
  const struct {
    std::function<void()> act;
    const char* steps;
    const char* command;
  } cases[] = {
      {[&] { button("SpriteButton9").click(); }, "CW", "OPEN_SELL;1,5;;;"},
      {[&] { button("SpriteButton27").click(); }, "CW", "OPEN_BUY;1,5;;;"},
      {[&] { button("Button7").click(); }, "RCW", "CLOSE;12345 ;;;"},
      {[&] { fake.fake_menu_item("N2").click(); }, "C", "CLOSE_ALL;;;;"},
      {[&] { edit("Edit12").key_down(); }, "R", "CLOSE_ALL;;;;"},
      {[&] { edit("Edit12").key_up(); }, "R", "CLOSE_ALL;;;;"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(journal(c.act), c.steps) << c.command;
    EXPECT_EQ(command(), c.command);
  }
}

TEST_F(OrderEntry, TheNewestCommandWinsAndCloseTakesTheTicketSelectedAtTheClick) {
  button("SpriteButton9").click();
  button("SpriteButton27").click();
  EXPECT_EQ(command(), "OPEN_BUY;0.01;;;");  // the expert never saw the sell
  report_orders("12345 (buy 0.10)\r\n");
  report_orders("777 (sell 0.20)\r\n");  // the selected line was replaced
  button("Button7").click();
  EXPECT_EQ(command(), "CLOSE;777 ;;;");
}

TEST_F(OrderEntry, LotSpinStepsByLotStepFromTheStrictlyReadField) {
  const struct {
    double lot_step;
    const char* lot;
    bool up;
    const char* after;
    bool number;  // the text read as a number
  } cases[] = {
      {0.01, "0.05", false, "0.04", true},
      {0.01, "0.01", false, "0.01", true},
      {0.1, "0.25", true, "0.35", true},
      {0.1, "0.15", false, "0.10", true},
      {0.01, "1,5", true, "1.51", true},
      {0.01, " 2", true, "2.01", true},
      {0.01, "1,5,5", true, "1.5.5", false},
      {0.01, "1,5,5", false, "1.5.5", false},
      {0.01, "", true, "", false},
      {HUGE_VAL, "1,0", true, "1.0", true},  // no text for the sum: the step ends silently
  };
  for (const auto& c : cases) {
    form.order().LotStep = c.lot_step;
    edit("Edit12").type(c.lot);
    const size_t shown = messages();
    const size_t focus = fake.focus_history().size();
    c.up ? spin("RzSpinButtons8").click_up() : spin("RzSpinButtons8").click_down();

    const std::string trace = std::string(c.lot) + (c.up ? " up" : " down");
    EXPECT_EQ(edit("Edit12").text(), c.after) << trace;
    EXPECT_EQ(messages(), shown + (!c.number && c.up ? 1 : 0)) << trace;
    // The field is left first and gets the focus back only when its text was no number.
    std::vector<std::string> moves(fake.focus_history().begin() + static_cast<long>(focus),
                                   fake.focus_history().end());
    EXPECT_EQ(moves.front(), "IN_ORDERS") << trace;
    EXPECT_EQ(moves.size(), c.number ? 1u : 2u) << trace;
    EXPECT_EQ(moves.back(), c.number ? "IN_ORDERS" : "Edit12") << trace;
  }
  EXPECT_EQ(roles.messages.messages().front(), "Lot size error!");
  EXPECT_EQ(command(), "");  // stepping sends nothing
}

}  // namespace
}  // namespace pelmora::testing
