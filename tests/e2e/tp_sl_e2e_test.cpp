// End to end under Wine: the SL/TP window over the substitute terminal, opened and used with real
// mouse input, filled from the order property record this test writes as the expert, and its
// command read from the exchange fields.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "form/layout.h"
#include "form/names.h"
#include "form/scaling.h"
#include "real_input.h"
#include "terminal_with_expert.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

using TpSlOverTerminal = TerminalWithExpert;

TEST_F(TpSlOverTerminal, FillsFromTheOrderStepsTheStopLossAndAppliesBothPrices) {
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n"));
  ASSERT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));
  // A buy order opened at 1.25 with its stop-loss 50 points below and its take-profit 100
  // points above, on a four-decimal instrument.
  ASSERT_TRUE(expert_->give_order_property(L"x;0;1.25;1.245;1.26;0.0001;0;0;0.01;"));
  ASSERT_TRUE(
      wait_until([&] { return IsWindowEnabled(control(names::kStopLevelsButton)) != FALSE; }, 5s));

  const POINT main_place = top_left(control(names::kMainPanel));
  ASSERT_TRUE(click(names::kStopLevelsButton));
  ASSERT_TRUE(swapped(names::kStopLevelsPanel, names::kMainPanel, main_place))
      << "the SL/TP window did not take the main panel's place";
  // The fill ticks load one side each; the title follows the selected order.
  EXPECT_TRUE(text_becomes(names::kStopLossDistance, L"50"));
  EXPECT_TRUE(text_becomes(names::kStopLossPrice, L"1.245"));
  EXPECT_TRUE(text_becomes(names::kTakeProfitDistance, L"100"));
  EXPECT_TRUE(text_becomes(names::kTakeProfitPrice, L"1.26"));
  EXPECT_EQ(text(names::kStopLevelsTitle), L"Задать SL/TP для сделки #12345 ");

  ASSERT_TRUE(input::click(input::point_in(control(names::kStopLossSpin), 0.75, 0.5)));
  EXPECT_TRUE(text_becomes(names::kStopLossDistance, L"51"))
      << "the stop-loss spin's right half steps up";
  EXPECT_TRUE(text_becomes(names::kStopLossPrice, L"1.2449")) << "the price follows the distance";
  EXPECT_EQ(text(names::kTakeProfitPrice), L"1.26");

  ASSERT_TRUE(click(names::kStopLevelsApply));
  EXPECT_EQ(command(), L"SET_TP_SL;12345 ;1.2449;1.26;");
  EXPECT_TRUE(swapped(names::kMainPanel, names::kStopLevelsPanel, main_place))
      << "the main panel did not come back in the window's place";
}

// Opened and cancelled, then the second order clicked in the list and, a moment later, TP/SL
// clicked once: the window opens at that one click.
TEST_F(TpSlOverTerminal, OpensAtTheFirstClickAfterAnotherOrderWasChosen) {
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n12346 (sell 0.20)\r\n"));
  ASSERT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));
  if (const char* dpi = std::getenv("PELMORA_EXPECT_DPI")) {  // the panel laid out at that scale
    RECT button{};
    GetWindowRect(control(names::kStopLevelsButton), &button);
    EXPECT_EQ(
        button.right - button.left,
        form::scale(form::find_control(names::kStopLevelsButton)->bounds.width, std::atoi(dpi)));
  }
  const POINT main_place = top_left(control(names::kMainPanel));
  ASSERT_TRUE(click(names::kStopLevelsButton));
  ASSERT_TRUE(swapped(names::kStopLevelsPanel, names::kMainPanel, main_place));
  ASSERT_TRUE(click(names::kStopLevelsCancel));
  ASSERT_TRUE(swapped(names::kMainPanel, names::kStopLevelsPanel, main_place));
  HWND list = control(names::kOrdersList);
  const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  POINT second{20, height + height / 2};
  ClientToScreen(list, &second);
  ASSERT_TRUE(input::click(second));
  Sleep(100);
  ASSERT_TRUE(click(names::kStopLevelsButton));
  EXPECT_TRUE(swapped(names::kStopLevelsPanel, names::kMainPanel, main_place))
      << "the first click on TP/SL did not open the window";
}

}  // namespace
}  // namespace pelmora::e2e
