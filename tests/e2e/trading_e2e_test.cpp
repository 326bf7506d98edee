// End to end under Wine: the real panel over the substitute terminal, driven by real mouse and
// keyboard input, with this test playing the terminal-side expert from its own process as the
// link contract tells one to. Every check reads the exchange fields, the panel's windows or the
// tester's controls from outside the panel.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <regex>

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

// Today's lines of the panel's command journal (in the user's local application data), each
// without its time and milliseconds: "command quotes ticket fate", and "held" for a held one.
std::vector<std::string> todays_journal() {
  PWSTR local = nullptr;
  SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local);
  SYSTEMTIME t{};
  GetLocalTime(&t);
  wchar_t name[64];
  swprintf(name, 64, L"\\Pelmora\\journal\\%04u-%02u-%02u.csv", t.wYear, t.wMonth, t.wDay);
  std::ifstream file(std::filesystem::path(std::wstring(local) + name), std::ios::binary);
  CoTaskMemFree(local);
  std::vector<std::string> lines;
  const std::regex fields(R"re(.{23},"(.*)","(.*)","(.*)",(\w+),\d*,(\d*)\r)re");
  std::smatch f;
  for (std::string line; std::getline(file, line);) {
    if (!std::regex_match(line, f, fields)) continue;
    lines.push_back(f.format("$1 $2 $3 $4") + (f[5].length() > 0 ? " held" : ""));
  }
  return lines;
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

// Typed with real keys, a lot stays as typed with the caret after the last key while the link
// ticks, and BUY sends it as typed, or the lot step where it reads below the step.
TEST_F(TradingOverTerminal, ATypedLotGoesOutAsTypedOrAsTheLotStep) {
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n"));
  ASSERT_TRUE(expert_->give_order_property(L"x;0;1.25;1.245;1.26;0.0001;0;0;0.01;"));
  const std::pair<std::wstring, std::wstring> lots[] = {
      {L"0.1", L"0.1"}, {L"0.05", L"0.05"}, {L"0.5", L"0.5"},  {L"1", L"1"},       {L"2.5", L"2.5"},
      {L"0,2", L"0,2"}, {L"", L"0.01"},     {L"abc", L"0.01"}, {L"0.001", L"0.01"}};
  for (const auto& [typed, sent] : lots) {
    retype(names::kLotField, typed);
    ASSERT_TRUE(click(names::kBuyButton));
    EXPECT_EQ(command(), L"OPEN_BUY;" + sent + L";;;") << "typed " << typed.size() << " keys";
  }
}

// Each click gives one command, in order: one made while the expert's WAIT stands is held and
// written after its READ_OK, one made right after a READ_OK comes after that handshake. The
// journal has a line for each with its fate, also for one replaced before the expert took it and
// one still standing when the panel ended with its chart.
TEST_F(TradingOverTerminal, NoClickIsLostAroundABusyExpertAndTheJournalTellsEachFate) {
  const size_t before = todays_journal().size();  // lines of the tests before
  ASSERT_TRUE(expert_->give_quotes(L"1.3051 / 1.3053"));
  ASSERT_TRUE(click(names::kSellButton));
  EXPECT_EQ(expert_->take_command(5s, TestExpert::kWait), L"OPEN_SELL;0.01;;;");
  ASSERT_TRUE(click(names::kBuyButton));
  Sleep(100);  // ten link ticks
  EXPECT_EQ(expert_->command_standing(), L"OPEN_SELL;0.01;;;") << "held while the expert works";
  ASSERT_TRUE(expert_->answer(TestExpert::kReadOk));
  EXPECT_EQ(expert_->take_command(5s, TestExpert::kWait), L"OPEN_BUY;0.01;;;");
  // Pressed, then the expert's READ_OK, then released: the click comes before the next link tick.
  ASSERT_TRUE(input::move_to(input::centre_of(control(names::kSellButton))));
  input::left_button(true);
  ASSERT_TRUE(expert_->answer(TestExpert::kReadOk));
  input::left_button(false);
  EXPECT_EQ(command(), L"OPEN_SELL;0.01;;;");
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(click(names::kSellButton));
  EXPECT_EQ(command(), L"OPEN_SELL;0.01;;;") << "the later click of two before the expert looks";
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(wait_until([&] { return !expert_->command_standing().empty(); }));
  ASSERT_EQ(run_.send("close-chart 1"), 1);
  SetForegroundWindow(panel_);
  ASSERT_TRUE(wait_until([&] { return !run_.panel_running(); }));
  const std::string buy = "OPEN_BUY;0.01;;; 1.3051 / 1.3053 -1 ";
  const std::string sell = "OPEN_SELL;0.01;;; 1.3051 / 1.3053 -1 ";
  const auto lines = todays_journal();
  EXPECT_EQ(std::vector(lines.begin() + std::min(before, lines.size()), lines.end()),
            (std::vector<std::string>{sell + "taken", buy + "taken held", sell + "taken",
                                      buy + "replaced", sell + "taken", buy + "pending"}));
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

  // The slider takes the keyboard with a click; the tester ends one position short of it.
  HWND speed = control(names::kSpeedSlider);
  ASSERT_TRUE(take_keyboard(names::kSpeedSlider));
  input::press_key(VK_END);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(speed, TBM_GETPOS, 0, 0) == 32; }, 5s));
  EXPECT_TRUE(wait_until([&] { return tester_speed() == 31; }, 5s)) << tester_speed();
  input::press_key(VK_LEFT);
  EXPECT_TRUE(wait_until([&] { return tester_speed() == 30; }, 5s)) << tester_speed();

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
