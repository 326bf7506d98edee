// End to end under Wine: the real panel over the substitute terminal, driven by real mouse and
// keyboard input, with this test playing the terminal-side expert from its own process as the
// link contract tells one to. Every check reads the exchange fields, the panel's windows or the
// tester's controls from outside the panel.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "control_protocol.h"
#include "form/names.h"
#include "real_input.h"
#include "terminal_with_expert.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

// The middle of a list item, from the list's client area and its item height.
POINT list_item_point(HWND list, int index) {
  const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  POINT p{20, height * index + height / 2};
  ClientToScreen(list, &p);
  return p;
}

using TradingOverTerminal = TerminalWithExpert;
using TesterOverTerminal = TerminalWithExpert;

TEST_F(TradingOverTerminal, MarketOrdersCarryTheLotThatTheSpinSets) {
  ASSERT_TRUE(expert_->give_quotes(L"1.3051 / 1.3053"));
  ASSERT_TRUE(text_becomes(names::kLotField, L"0.01")) << "the lot field starts at the lot step";
  HWND spin = control(names::kLotSpin);
  ASSERT_TRUE(input::click(input::point_in(spin, 0.75, 0.5)));
  EXPECT_TRUE(text_becomes(names::kLotField, L"0.02")) << "the spin's right half steps up";
  // With the panel in front, the following tick shows the expert's quotes.
  EXPECT_TRUE(text_becomes(names::kQuotes, L"1.3051 / 1.3053"));
  ASSERT_TRUE(click(names::kSellButton));
  EXPECT_EQ(command(), L"OPEN_SELL;0.02;;;");

  ASSERT_TRUE(input::click(input::point_in(spin, 0.25, 0.5)));
  EXPECT_TRUE(text_becomes(names::kLotField, L"0.01")) << "the spin's left half steps down";
  ASSERT_TRUE(click(names::kBuyButton));
  EXPECT_EQ(command(), L"OPEN_BUY;0.01;;;");
}

TEST_F(TradingOverTerminal, ClosesTheClickedOrderAndClosesAllTheOrdersTheExpertReports) {
  // Two orders: the first is selected by the panel, the user clicks the second, whose Cyrillic
  // ticket comes back whole through the list and the fields.
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\nСтоп (продажа 0.20)\r\n"));
  HWND list = control(names::kOrdersList);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 2; }));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));
  ASSERT_TRUE(input::click(list_item_point(list, 1)));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"Стоп "; }));
  ASSERT_TRUE(click(names::kCloseButton));
  EXPECT_EQ(command(), L"CLOSE;Стоп ;;;");

  // The expert closes it: the selection falls back to the remaining order.
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n"));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));

  // The shortcut menu's first item, on a bare spot of the main panel.
  RECT main{};
  GetWindowRect(control(names::kMainPanel), &main);
  ASSERT_TRUE(choose_from_menu({main.left + 8, main.top + 50}, 0));
  EXPECT_EQ(command(), L"CLOSE_ALL;;;;");

  // No orders left: nothing selected, and CLOSE cannot be pressed.
  ASSERT_TRUE(expert_->give_orders(L""));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"-1"; }));
  EXPECT_FALSE(IsWindowEnabled(control(names::kCloseButton)));
}

// Pausing and stopping through the panel are the practice test's.
TEST_F(TesterOverTerminal, SpeedAndF11ReachTheTester) {
  auto tester_speed = [&] { return run_.send("speed").value_or(-1); };

  // The slider takes the keyboard with a click; the tester's slider, from 1, follows it to the
  // same position, the fastest included.
  HWND speed = control(names::kSpeedSlider);
  ASSERT_TRUE(take_keyboard(names::kSpeedSlider));
  input::press_key(VK_END);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(speed, TBM_GETPOS, 0, 0) == 32; }, 5s));
  EXPECT_TRUE(wait_until([&] { return tester_speed() == 32; }, 5s)) << tester_speed();
  input::press_key(VK_LEFT);
  EXPECT_TRUE(wait_until([&] { return tester_speed() == 31; }, 5s)) << tester_speed();

  // F11 reaches the chart while the panel has the keyboard, and not while the terminal has it.
  ASSERT_EQ(GetForegroundWindow(), panel_);
  input::press_key(VK_F11, 300ms);
  EXPECT_TRUE(wait_until([&] { return run_.send("f11-count").value_or(0) > 0; }, 5s));
  ASSERT_EQ(run_.send("activate"), sim_terminal::kReplyDone);
  const auto before = run_.send("f11-count");
  input::press_key(VK_F11, 300ms);
  Sleep(600);  // three F11 ticks of the panel
  EXPECT_EQ(run_.send("f11-count"), before);
}

}  // namespace
}  // namespace pelmora::e2e
