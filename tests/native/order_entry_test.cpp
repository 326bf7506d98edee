// Order entry on the real form: the command writers' steps and the ticket CLOSE sends, the two
// spin pairs (lot and trailing distance) with their one step rule, the trailing-stop window, and
// where each floating panel opens.
#include <gtest/gtest.h>

#include <cmath>

#include "form/names.h"
#include "panel_world.h"

namespace pelmora::testing {
namespace {

using OrderEntry = PanelUser;

TEST_F(OrderEntry, EachCommandWriterRunsItsStepsInOrderAndReplacesTheLastCommand) {
  report_orders("12345 (buy 0.10)\r\n");  // enables CLOSE and the menu item
  report_orders("777 (sell 0.20)\r\n");   // the selected line was replaced
  edit(names::kLotField).type("1,5");     // typed text goes out unchanged
  const std::tuple<std::function<void()>, const char*, const char*> cases[] = {
      {[&] { click(names::kSellButton); }, "CW", "OPEN_SELL;1,5;;;"},
      {[&] { click(names::kBuyButton); }, "CW", "OPEN_BUY;1,5;;;"},
      {[&] { click(names::kCloseButton); }, "RCW", "CLOSE;777 ;;;"},
      {[&] { c().fake_menu_item(names::kCloseAllItem).click(); }, "C", "CLOSE_ALL;;;;"},
      {[&] { edit(names::kLotField).key_down(); }, "R", "CLOSE_ALL;;;;"},
      {[&] { edit(names::kLotField).key_up(); }, "R", "CLOSE_ALL;;;;"},
      {[&] { c().fake_menu_item(names::kJournalItem).click(); }, "", "CLOSE_ALL;;;;"}};
  for (const auto& [act, steps, sent] : cases) {
    EXPECT_EQ(journal(act), steps) << sent;
    EXPECT_EQ(command(), sent);
  }
  // "Журнал команд" opens today's file, made with its header, once the lines before are in.
  EXPECT_TRUE(roles->desktop.files().empty());
  roles->ui.run_pending();
  const std::string file = "2026-01-05.csv";
  EXPECT_EQ(roles->desktop.files(),
            (std::vector<platform::fake::FakeDesktop::Opened>{
                {roles->journal.path_of(file), platform::fake::FakePanelWindow::kRef}}));
  const std::string text = roles->journal.text(file);
  EXPECT_EQ(std::ranges::count(text, '\n'), 4) << text;  // the header, three commands replaced
}

// Typed key by key with link ticks between the keys, the lot stays as typed while the user is in
// the field. BUY sends it, or the lot step where it reads below the step ("," read as "."), and
// leaving the field puts the step in the same way.
TEST_F(OrderEntry, ALotStaysAsTypedUntilLeftOrSentAndNeverGoesOutBelowTheStep) {
  const std::pair<std::string_view, std::string> cases[] = {
      {"0.1", "0.1"}, {"0.05", "0.05"}, {"0.5", "0.5"},  {"1", "1"},       {"2.5", "2.5"},
      {"0,2", "0,2"}, {"", "0.01"},     {"abc", "0.01"}, {"0.001", "0.01"}};
  FakeEdit& lot = edit(names::kLotField);
  edit("IN_ORDER_PROPERTY").type(kBuy);  // a lot step of 0.01
  for (const auto& [typed, sent] : cases) {
    for (const bool buy : {true, false}) {
      lot.set_focus();
      for (size_t keys = 0; keys <= typed.size(); ++keys) {
        lot.type(typed.substr(0, keys));
        form->link().tick();
        EXPECT_EQ(lot.text(), typed.substr(0, keys));
      }
      if (buy) click(names::kBuyButton);
      if (!buy) c().focus_elsewhere();
      EXPECT_EQ(buy ? command() : lot.text(), buy ? "OPEN_BUY;" + sent + ";;;" : sent) << typed;
    }
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
      {names::kLotField, HUGE_VAL, "1,0", true, "1.0", true, 0},  // no text for the sum: silent
      {names::kLotField, 0.01, "1,5,5", true, "1.5.5", false, 0},
      {names::kTrailingDistance, 0, "0", false, "0", true, 0},
      {names::kTrailingDistance, 0, "2,5", true, "4", true, 2},
      {names::kTrailingDistance, 0, "-7", true, "0", true, 1},
      {names::kTrailingDistance, 0, "abc", false, "abc", false, 0}};
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
    std::vector<std::string> moves{"IN_ORDERS"};
    if (!k.number) moves.emplace_back(k.field);
    EXPECT_EQ(std::vector(c().focus_history().begin() + static_cast<long>(focus),
                          c().focus_history().end()),
              moves)
        << trace;
  }
  EXPECT_EQ(roles->messages.messages().front(), "Lot size error!");
  EXPECT_EQ(command(), "");  // stepping sends nothing
}

// The trailing-stop window gives main back its place where it was dragged to, and Apply sends
// the ticket selected at that moment with the distance as typed.
TEST_F(OrderEntry, TheTrailingStopWindowSendsTheTicketOfThenAndLeavesMainWhereDragged) {
  report_orders("12345 (buy 0.10)\r\n");  // enables T-SL
  EXPECT_EQ(journal([&] { click(names::kTrailingButton); }), "RW");
  EXPECT_TRUE(shape_is({names::kTrailingPanel}));
  EXPECT_EQ(c().label(names::kTrailingOrder).text(), "Сделка #12345 ");
  auto& window = c().fake<FakePanel>(names::kTrailingPanel);
  window.press(MouseButton::kLeft, 10, 10);
  window.release(MouseButton::kLeft, 50, 40);
  EXPECT_EQ(journal([&] { click(names::kTrailingCancel); }), "RW");
  EXPECT_TRUE(shape_is({names::kMainPanel}));
  EXPECT_EQ(place(names::kMainPanel), (Bounds{40, 30, 285, 257}));
  EXPECT_EQ(command(), "");

  click(names::kTrailingButton);
  edit(names::kTrailingDistance).type(" 30x");
  EXPECT_EQ(journal([&] { edit(names::kTrailingDistance).key_down(); }), "R");
  report_orders("777 (sell 0.20)\r\n");  // the expert replaced the selected order
  EXPECT_EQ(c().label(names::kTrailingOrder).text(), "Сделка #12345 ");
  EXPECT_EQ(journal([&] { click(names::kTrailingApply); }), "RCW");
  EXPECT_EQ(command(), "SET_TSL;777 ; 30x;;");
  EXPECT_TRUE(shape_is({names::kMainPanel}));
}

// Each floating panel opens exactly where main stands, also after main was dragged to a place
// whose left and top differ.
TEST_F(OrderEntry, EachFloatingPanelOpensAtMainsPlace) {
  report_orders("12345 (buy 0.10)\r\n");
  const std::pair<std::function<void()>, std::string_view> panels[] = {
      {[&] { click(names::kTrailingButton); }, names::kTrailingPanel},
      {[&] { click(names::kStopLevelsButton); }, names::kStopLevelsPanel},
      {[&] { c().fake_menu_item(names::kSettingsItem).click(); }, names::kSettingsPanel}};
  for (const auto& [open, panel] : panels) {
    auto& main = c().fake<FakePanel>(names::kMainPanel);
    main.press(MouseButton::kLeft, 5, 5);
    main.release(MouseButton::kLeft, 35, 75);
    const Bounds at = place(names::kMainPanel);
    open();
    EXPECT_EQ(std::pair(place(panel).left, place(panel).top), std::pair(at.left, at.top)) << panel;
    c().control(panel).set_visible(false);  // back to main, wherever it is
    c().control(names::kMainPanel).set_visible(true);
  }
}

}  // namespace
}  // namespace pelmora::testing
