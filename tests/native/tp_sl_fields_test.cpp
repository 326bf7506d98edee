// The SL/TP window's fields on the in-memory form: the price recalculation in the user's
// notation, the spin steps with their message and focus, and the two refusals of the opening.
#include <gtest/gtest.h>

#include "form/names.h"
#include "panel_world.h"

namespace pelmora::testing {

namespace names = pelmora::form::names;
namespace {

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
  } cases[] = {
      {".", names::kStopLossDistance, " 2.5e1 ", 0, " 2.5e1 ", "1.2475"},
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
      {".", names::kTakeProfitDistance, "x", -1, "x", "1,3", true},
  };
  for (const auto& k : cases) {
    TpSlWorld w;
    w.open_filled(kBuy);
    w.roles->locale.set_decimal_separator(k.separator);
    const bool sl = std::string_view(k.distance) == names::kStopLossDistance;
    w.type(k.distance, "?");  // not a number: the price stays
    w.type(sl ? names::kStopLossPrice : names::kTakeProfitPrice, "1,3");
    w.type(k.distance, k.typed);
    auto& spin = w.c().fake<platform::fake::FakeSpinButtons>(sl ? names::kStopLossSpin
                                                                : names::kTakeProfitSpin);
    if (k.spin != 0) k.spin > 0 ? spin.click_up() : spin.click_down();
    const std::string where =
        std::string(k.separator) + std::string(k.distance) + "[" + k.typed + "]";
    EXPECT_EQ(
        w.text(k.distance) + " " + w.text(sl ? names::kStopLossPrice : names::kTakeProfitPrice),
        std::string(k.after) + " " + k.price)
        << where;
    const auto refusal = std::vector<std::string>{"Введено неверное значение!"};
    EXPECT_EQ(w.roles->messages.messages(), k.refused ? refusal : std::vector<std::string>{})
        << where;
    const std::string_view focused = k.spin == 0 ? "" : k.refused ? k.distance : "IN_ORDERS";
    EXPECT_EQ(w.c().focused(), focused) << where;
  }
}

TEST(TpSlOpening, RefusedSilentlyWhileTheExpertWaitsOrNothingIsSelectedAmongOrders) {
  const struct {
    const char *read_command, *orders, *ticket;
    bool opens;
  } cases[] = {{"WAIT", "1 (a)", "1 ", false}, {"READ_OK", "1 (a)", "1 ", true},
               {"", "1 (a)\r\n", "-1", false}, {"", "", "-1", true},
               {"", "\r\n", "-1", false},  // one empty order line
               {"", "1 (a)", "", true}};
  for (const auto& k : cases) {
    TpSlWorld w;
    w.type("IN_READ_COMMAND", k.read_command);
    w.type("IN_ORDERS", k.orders);
    w.type("OUT_SELECTED_ORDER", k.ticket);
    w.c().button(names::kStopLevelsButton).set_enabled(true);
    const size_t refreshes = w.c().window().posted_keys().size();
    w.click(names::kStopLevelsButton);
    EXPECT_EQ(w.c().control(names::kStopLevelsPanel).visible(), k.opens)
        << k.read_command << k.ticket;
    EXPECT_EQ(w.c().timer(names::kFillTimer).enabled(), k.opens) << k.read_command << k.ticket;
    EXPECT_EQ(w.c().window().posted_keys().size(), refreshes + 1);  // the buttons, first
  }
}

}  // namespace
}  // namespace pelmora::testing
