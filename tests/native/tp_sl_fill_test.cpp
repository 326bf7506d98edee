// The SL/TP window's fill over ticks of a manual clock: one stage per tick with the direction
// rules, Apply, the previous-value mode, and the wait for the expert's answer after the
// selection moved, with its bound.
#include <gtest/gtest.h>

#include "form/names.h"
#include "panel_world.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

struct TpSlFill : ::testing::Test, TpSlWorld {};

TEST_F(TpSlFill, BuyOrderLoadsOneSidePerTickThenRecalculatesAndApplySendsStopLossFirst) {
  expert("IN_ORDERS", "12345 (buy 0.10)\r\n");
  expert("IN_ORDER_PROPERTY", kBuy);
  click(names::kStopLevelsButton);
  roles->clock.advance(200);
  click(names::kStopLevelsCancel);
  click(names::kStopLevelsButton);  // the marks are armed again; the timer keeps its rhythm
  roles->clock.advance(300);
  EXPECT_EQ(text(names::kStopLevelsTitle), "Задать SL/TP для сделки #12345 ");
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
  const struct {
    const char *record, *fields;
  } cases[] = {{"x;1;1.25;1.255;1.24;0.0001;0;0;0.01;", "50 1.255 100 1.24"},
               {"x;0;1.23456;1.23156;0;0.00001;0;0;0.01;", "300 1.23156 0 0"},
               {"x;3;1.23456;1.23756;1.22456;0.00001;0;0;0.01;", "300 1.23756 1000 1.22456"},
               {"x;0;1.25;1.24504;1.26004;0.0001;0;0;0.01;", "50 1.245 100 1.26"},
               {"x;4;1.25;1.245;1.26;0.0001;0;0;0.01;", "50 1.245 100 1.26"},  // even: buy side
               {"x;0;1.25;1.2;1.3;0;0;0;0.01;", "0 1.2 0 1.3"}};               // no point size
  for (const auto& k : cases) {
    TpSlWorld w;
    w.open_filled(k.record);
    EXPECT_EQ(w.fields(), k.fields) << k.record;
  }
}

TEST_F(TpSlFill, PreviousValueModeKeepsTheFieldsAndCancelLeavesMainWhereTheWindowWas) {
  open_filled(kBuy, "1 (a)\r\n2 (b)\r\n");
  c().control(names::kStopLevelsPanel).set_position(400, 90);
  click(names::kStopLevelsCancel);
  EXPECT_EQ(c().control(names::kMainPanel).bounds().left, 400);
  EXPECT_TRUE(in_shape(names::kMainPanel) && text("OUT_COMMAND").empty());
  form->settings().sl_tp_mode = 1;
  select(1);
  expert("IN_ORDER_PROPERTY", "x;1;1.3;1.31;1.28;0.0001;0;0;0.01;");
  click(names::kStopLevelsButton);
  type(names::kStopLossPrice, "1.5");
  type(names::kTakeProfitDistance, "20");  // typing still recomputes, around the new order
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

TEST_F(TpSlAnswer, TheLoadWaitsForTheNewRecordAndForTheLinkToReadIt) {
  tick();
  EXPECT_EQ(text(names::kStopLevelsTitle),
            "Задать SL/TP для сделки #2 ");  // the title does not wait
  type("IN_ORDER_PROPERTY", kSecond);
  tick();
  EXPECT_EQ(text(names::kStopLossDistance), "7");
  form->link().tick();
  tick(2);
  click(names::kStopLevelsApply);
  EXPECT_EQ(text("OUT_COMMAND"), "SET_TP_SL;2 ;1.305;1.29;");
}

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

}  // namespace
}  // namespace pelmora::testing
