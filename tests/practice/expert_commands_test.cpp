// The practice expert's command reader and the texts it writes for the panel.
#include <gtest/gtest.h>

#include "expert_commands.h"

namespace pelmora::practice {
namespace {

const Quote kQuote{123456, 123464};

// Everything a command may change, in one text.
std::string state(const OrderBook& book) {
  std::string text = orders_text(book) + "|" + std::to_string(book.closed_trades().size());
  for (const Order& order : book.open_orders()) {
    text += "|" + property_record(book, std::to_string(order.ticket));
  }
  return text;
}

TEST(CarryOut, RefusesOddCommandsAndChangesNothing) {
  OrderBook book(Instrument{}, 1001);
  book.open(Side::buy, 10, kQuote, 0);
  book.open(Side::sell, 10, kQuote, 0);
  book.set_levels(1002, 123600, 0);
  const std::pair<const char*, const char*> cases[] = {
      {"OPEN_BUY;;;;", "the lot is empty"},
      {"OPEN_BUY;1e2;;;", "the lot \"1e2\" is not a number"},
      {"OPEN_BUY;0.0000000000000000001;;;", "the lot \"0.0000000000000000001\" is not a number"},
      {"OPEN_SELL;0.001;;;", "the lot 0.001 is below the lot step 0.01"},
      {"OPEN_BUY;-1;;;", "the lot -1 is below the lot step 0.01"},
      {"OPEN_BUY;0.015;;;", "the lot 0.015 is not a multiple of the lot step 0.01"},
      {"OPEN_BUY;100.01;;;", "the lot 100.01 is above the maximum 100.00"},
      {"OPEN_BUY;99999999999999999;;;", "the lot 99999999999999999 is above the maximum 100.00"},
      {"CLOSE;;;;", "no order selected (the ticket is empty)"},
      {"SET_TSL;-1;30;;", "no order selected (-1)"},
      {"CLOSE;1234 ;;;", "no open order #1234"},
      {"CLOSE;12a ;;;", "the ticket \"12a\" is not a number"},
      {"SET_TP_SL;1001 ;1.23456;;", "the stop-loss 1.23456 is not below the bid 1.23456"},
      {"SET_TP_SL;1001 ;;1.2345;", "the take-profit 1.23450 is not above the bid 1.23456"},
      {"SET_TP_SL;1002 ;1.23464;;", "the stop-loss 1.23464 is not above the ask 1.23464"},
      {"SET_TP_SL;1002 ;0;1.2347;", "the take-profit 1.23470 is not below the ask 1.23464"},
      {"SET_TP_SL;1001 ;1.2;-1;", "the take-profit \"-1\" is not a price"},
      {"SET_TSL;1001 ;2.5;;", "the trailing distance \"2.5\" is not a whole number of points"},
      {"open_buy;0.10;;;", "unknown command \"open_buy\""},
      {"OPEN_BUY;0.10;;", "malformed command \"OPEN_BUY;0.10;;\""},
      {"OPEN_BUY;0.10;;;;", "malformed command \"OPEN_BUY;0.10;;;;\""}};
  const std::string before = state(book);
  for (const auto& [command, why] : cases) {
    const CommandOutcome outcome = carry_out(command, book, kQuote, 60);
    EXPECT_FALSE(outcome.done) << command;
    EXPECT_EQ(outcome.result, std::string("refused: ") + why);
    EXPECT_EQ(state(book), before) << command;
  }
}

TEST(CarryOut, CarriesOutEveryVerbAndWritesTheFields) {
  OrderBook book(Instrument{}, 1001);
  const std::pair<const char*, const char*> steps[] = {
      {"OPEN_BUY;0.10;;;", "opened #1001 buy 0.10 at 1.23464"},
      {"OPEN_SELL; 1 ;;;", "opened #1002 sell 1.00 at 1.23456"},
      {"SET_TP_SL;1001 ;1.23;;", "#1001: stop-loss 1.23000, take-profit none"},
      {"SET_TP_SL;1002 ;1.235005;1,2;", "#1002: stop-loss 1.23501, take-profit 1.20000"},
      {"SET_TSL;1001 ;30;;",
       "#1001: trailing stop 30 points, starts once the price is 30 points in profit (stop-loss "
       "1.23000)"},
      {"SET_TSL;1001 ;0;;", "#1001: trailing stop off (stop-loss 1.23000)"},
  };
  for (const auto& [command, result] : steps) {
    EXPECT_EQ(carry_out(command, book, kQuote, 60).result, result) << command;
  }
  // Each line with its running result at the last price: 8 points of spread on either side.
  EXPECT_EQ(orders_text(book),
            "1001 (buy 0.10 at 1.23464, -8 points, -0.80)\r\n"
            "1002 (sell 1.00 at 1.23456, -8 points, -8.00)");
  EXPECT_EQ(quotes_text(kQuote, 5), "1.23456 / 1.23464");
  EXPECT_EQ(property_record(book, "1002 "), "EURUSD;1;1.23456;1.23501;1.20000;0.00001;5;0;0.01;");
  EXPECT_EQ(property_record(book, "1001 "), "EURUSD;0;1.23464;1.23000;0;0.00001;5;0;0.01;");
  for (const char* selected : {"-1", "", "junk", "1003 "}) {
    EXPECT_EQ(property_record(book, selected), "") << selected;
  }
  const Quote later{123476, 123484};
  EXPECT_EQ(carry_out("SET_TSL;1001 ;10;;", book, later, 120).result,
            "#1001: trailing stop 10 points, started (stop-loss now 1.23466)");
  const CommandOutcome closed = carry_out("CLOSE;1001 ;;;", book, later, 120);
  EXPECT_EQ(closed.result, "closed #1001 at 1.23476: +12 points, +1.20");
  ASSERT_EQ(closed.closed.size(), 1u);
  EXPECT_EQ(closed.closed[0].close_time, 120);
  const CommandOutcome all = carry_out("CLOSE_ALL;;;;", book, later, 180);
  EXPECT_EQ(all.result, "closed all: 1 order");
  ASSERT_EQ(all.closed.size(), 1u);
  EXPECT_EQ(all.closed[0].points, -28);
  EXPECT_EQ(carry_out("CLOSE_ALL;;;;", book, later, 180).result, "closed all: no open orders");
}

}  // namespace
}  // namespace pelmora::practice
