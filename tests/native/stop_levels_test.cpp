// The SL/TP window on the in-memory form: no fill before it is first opened, then one stage per
// tick of its timer with the direction rules, Apply, the previous-value mode, the wait for the
// expert's answer after the selection moved; the price recalculation in the user's notation, the
// spin steps, and the two refusals of the opening.
#include <gtest/gtest.h>

#include "form/names.h"
#include "panel_world.h"

namespace pelmora::testing {
namespace {

struct TpSlFill : ::testing::Test, TpSlWorld {};

// A fresh form's fill timer stays off until TP/SL is clicked, even with an order listed and its
// record read: nothing in the window changes on its own.
TEST(TpSlWindow, AFreshFormRunsNoFillTickBeforeTheWindowOpens) {
  PanelWorld w;
  w.start();
  w.edit("IN_ORDERS").set_text("12345 (buy 0.10)\r\n");
  w.edit("IN_ORDER_PROPERTY").set_text(kBuy);
  const std::string title = w.text(names::kStopLevelsTitle);
  w.roles->clock.advance(5000);
  EXPECT_EQ(w.c().fake_timer(names::kFillTimer).ticks(), 0);
  EXPECT_EQ(w.text(names::kStopLevelsTitle), title);
  w.click(names::kStopLevelsButton);
  w.roles->clock.advance(500);
  EXPECT_EQ(w.c().fake_timer(names::kFillTimer).ticks(), 1);
  EXPECT_EQ(w.text(names::kStopLevelsTitle), "Задать SL/TP для сделки #12345 ");
}

TEST_F(TpSlFill, BuyOrderLoadsOneSidePerTickThenRecalculatesAndApplySendsStopLossFirst) {
  expert("IN_ORDERS", "12345 (buy 0.10)\r\n");
  expert("IN_ORDER_PROPERTY", kBuy);
  click(names::kStopLevelsButton);
  roles->clock.advance(200);
  click(names::kStopLevelsCancel);
  click(names::kStopLevelsButton);  // the marks are armed again; the timer keeps its rhythm
  roles->clock.advance(300);
  EXPECT_EQ(fields(), "50 1.245 0 0");
  tick();
  EXPECT_EQ(fields(), "50 1.245 100 1.26");
  type(names::kStopLossPrice, "1.3");      // a typed price gives way at the recalculation
  type(names::kTakeProfitDistance, "40");  // a typed distance recomputes its price at once
  tick();
  EXPECT_EQ(fields(), "50 1.245 40 1.254");
  click(names::kStopLevelsApply);
  EXPECT_EQ(text("OUT_COMMAND"), "SET_TP_SL;12345 ;1.245;1.254;");
  EXPECT_TRUE(c().control(names::kMainPanel).visible() && c().timer(names::kLinkTimer).enabled());
}

TEST(TpSlLoad, DirectionRulesOnBuyAndSellWithFourAndFiveDecimals) {
  const std::pair<const char*, const char*> cases[] = {
      {"x;1;1.25;1.255;1.24;0.0001;0;0;0.01;", "50 1.255 100 1.24"},
      {"x;0;1.23456;1.23156;0;0.00001;0;0;0.01;", "300 1.23156 0 0"},
      {"x;3;1.23456;1.23756;1.22456;0.00001;0;0;0.01;", "300 1.23756 1000 1.22456"},
      {"x;0;1.25;1.24504;1.26004;0.0001;0;0;0.01;", "50 1.245 100 1.26"},
      {"x;4;1.25;1.245;1.26;0.0001;0;0;0.01;", "50 1.245 100 1.26"},  // even: buy side
      {"x;0;1.25;1.2;1.3;0;0;0;0.01;", "0 1.2 0 1.3"}};               // no point size
  for (const auto& [record, fields] : cases) {
    TpSlWorld w;
    w.open_filled(record);
    EXPECT_EQ(w.fields(), fields) << record;
  }
}

// Any mode but 0 keeps the fields as they are; typing still recomputes, around the new order.
TEST_F(TpSlFill, PreviousValueModeKeepsTheFieldsAndCancelLeavesMainWhereTheWindowWas) {
  open_filled(kBuy, "1 (a)\r\n2 (b)\r\n");
  c().control(names::kStopLevelsPanel).set_position(400, 90);
  click(names::kStopLevelsCancel);
  EXPECT_EQ(place(names::kMainPanel).left, 400);
  EXPECT_TRUE(in_shape(names::kMainPanel) && text("OUT_COMMAND").empty());
  form->settings().sl_tp_mode = -1;
  select(1);
  expert("IN_ORDER_PROPERTY", "x;1;1.3;1.31;1.28;0.0001;0;0;0.01;");
  click(names::kStopLevelsButton);
  type(names::kStopLossPrice, "1.5");
  type(names::kTakeProfitDistance, "20");
  tick(3);
  EXPECT_EQ(text(names::kStopLevelsTitle), "Задать SL/TP для сделки #2 ");
  EXPECT_EQ(fields(), "50 1.5 20 1.298");
  form->settings().sl_tp_mode = 0;  // read at every tick; the marks are still set
  tick();
  EXPECT_EQ(fields(), "100 1.31 20 1.298");
}

// The selection moved to order 2 while IN_ORDER_PROPERTY still describes order 1.
struct TpSlAnswer : TpSlFill {
  static constexpr std::string_view kSecond = "x;1;1.3;1.305;1.29;0.0001;0;0;0.01;";
  TpSlAnswer() {
    open_filled(kBuy, "1 (a)\r\n2 (b)\r\n");
    click(names::kStopLevelsCancel);
    type(names::kStopLossDistance, "7");
    select(1);
    click(names::kStopLevelsButton);
  }
};

TEST_F(TpSlAnswer, ASilentExpertDelaysTheLoadByFourTicksAtMostPerOpening) {
  tick(4);
  EXPECT_EQ(text(names::kStopLossDistance), "7");
  type(names::kTakeProfitDistance, "3");
  tick(2);  // loads what there is, as it always did; the second stage does not wait again
  EXPECT_EQ(fields(), "50 1.245 100 1.26");
  click(names::kStopLevelsCancel);
  type(names::kStopLossDistance, "7");
  click(names::kStopLevelsButton);
  tick(2);
  EXPECT_EQ(text(names::kStopLossDistance), "7");
  expert("IN_ORDER_PROPERTY", kSecond);
  tick();
  EXPECT_EQ(text(names::kStopLossDistance), "50");
}

// Each case: the buy order filled, "1,3" in the price field, the distance typed, then the spin
// button pressed when there is one (+1 up, -1 down).
TEST(TpSlFields, RecalculationAndSpinSteps) {
  const struct {
    const char* separator;
    std::string_view distance;
    const char* typed;
    int spin;
    const char *after, *price;
    bool refused = false;
  } cases[] = {{".", names::kStopLossDistance, " 2.5e1 ", 0, " 2.5e1 ", "1.2475"},
               {".", names::kStopLossDistance, "0", 0, "0", "0"},
               {".", names::kStopLossDistance, "0.0", 0, "0.0", "1.25"},
               {".", names::kStopLossDistance, "", 0, "", "1.3"},
               {".", names::kStopLossDistance, "12,5", 0, "12,5", "1,3"},
               {",", names::kTakeProfitDistance, "12,5", 0, "12,5", "1.25125"},
               {".", names::kStopLossDistance, "0", -1, "-1", "1.2501"},
               {".", names::kStopLossDistance, "", +1, "1", "1.2499"},
               {",", names::kStopLossDistance, "12,6", +1, "14", "1.2486"},
               {".", names::kTakeProfitDistance, "123455.6", +1, "1.2346E5", "13.596"},
               {".", names::kStopLossDistance, "abc,", +1, "abc.", "1,3", true},
               {".", names::kTakeProfitDistance, "x", -1, "x", "1,3", true}};
  for (const auto& k : cases) {
    TpSlWorld w;
    w.open_filled(kBuy);
    w.roles->locale.set_decimal_separator(k.separator);
    const bool sl = k.distance == names::kStopLossDistance;
    const std::string_view price = sl ? names::kStopLossPrice : names::kTakeProfitPrice;
    w.type(k.distance, "?");  // not a number: the price stays
    w.type(price, "1,3");
    w.type(k.distance, k.typed);
    auto& spin = w.c().fake<platform::fake::FakeSpinButtons>(sl ? names::kStopLossSpin
                                                                : names::kTakeProfitSpin);
    if (k.spin != 0) k.spin > 0 ? spin.click_up() : spin.click_down();
    const std::string where = k.separator + std::string(k.distance) + "[" + k.typed + "]";
    EXPECT_EQ(w.text(k.distance) + " " + w.text(price), std::string(k.after) + " " + k.price)
        << where;
    EXPECT_EQ(w.roles->messages.messages(),
              k.refused ? std::vector<std::string>{"Введено неверное значение!"}
                        : std::vector<std::string>{})
        << where;
    EXPECT_EQ(w.c().focused(), k.spin == 0 ? "" : k.refused ? k.distance : "IN_ORDERS") << where;
  }
}

TEST(TpSlOpening, RefusedSilentlyWhileTheExpertWaitsOrNothingIsSelectedAmongOrders) {
  const std::tuple<const char*, const char*, const char*, bool> cases[] = {
      {"WAIT", "1 (a)", "1 ", false}, {"READ_OK", "1 (a)", "1 ", true},
      {"", "1 (a)\r\n", "-1", false}, {"", "", "-1", true},
      {"", "\r\n", "-1", false},  // one empty order line
      {"", "1 (a)", "", true}};
  for (const auto& [read_command, orders, ticket, opens] : cases) {
    TpSlWorld w;
    w.type("IN_READ_COMMAND", read_command);
    w.type("IN_ORDERS", orders);
    w.type("OUT_SELECTED_ORDER", ticket);
    w.c().button(names::kStopLevelsButton).set_enabled(true);
    const int refreshes = w.refreshes();
    w.click(names::kStopLevelsButton);
    EXPECT_EQ(w.c().control(names::kStopLevelsPanel).visible(), opens) << read_command << ticket;
    EXPECT_EQ(w.c().timer(names::kFillTimer).enabled(), opens) << read_command << ticket;
    EXPECT_EQ(w.refreshes(), refreshes + 1);  // the buttons, first
  }
}

}  // namespace
}  // namespace pelmora::testing
