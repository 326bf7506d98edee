// Command texts are a wire format: every ";" and every blank counts.
#include <gtest/gtest.h>

#include "link/commands.h"

namespace pelmora::link {
namespace {

TEST(Commands, EveryVerbHasExactlyFourSeparatorsAndCarriesFieldsAsTheyStand) {
  EXPECT_EQ(open_buy_command("0.10"), "OPEN_BUY;0.10;;;");
  EXPECT_EQ(open_sell_command(" 1,5 "), "OPEN_SELL; 1,5 ;;;");
  EXPECT_EQ(open_buy_command(""), "OPEN_BUY;;;;");
  EXPECT_EQ(close_all_command(), "CLOSE_ALL;;;;");
  EXPECT_EQ(close_command("12345 "), "CLOSE;12345 ;;;");
  EXPECT_EQ(close_command("-1"), "CLOSE;-1;;;");
  EXPECT_EQ(set_tsl_command("12345 ", "30"), "SET_TSL;12345 ;30;;");
  EXPECT_EQ(set_tp_sl_command("12345 ", "1.2950", "1.3150"), "SET_TP_SL;12345 ;1.2950;1.3150;");
}

}  // namespace
}  // namespace pelmora::link
