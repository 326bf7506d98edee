// End to end under Wine: the real panel over the substitute terminal, driven by real mouse and
// keyboard input, with this test playing the terminal-side expert. Every check reads the
// exchange fields, the panel's windows or the tester's controls from outside the panel.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <string_view>

#include "control_protocol.h"
#include "real_input.h"
#include "terminal_driver.h"
#include "test_expert.h"
#include "window_search.h"

namespace pelmora::e2e {
namespace {

std::wstring text_of(HWND window) {
  return window_text(window).value_or(L"<no answer>");
}

POINT top_left(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top};
}

bool same_point(POINT a, POINT b) {
  return a.x == b.x && a.y == b.y;
}

// A point inside a window's screen rectangle, at fractions of its width and height.
POINT point_in(HWND window, double x, double y) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left + static_cast<LONG>((r.right - r.left) * x),
          r.top + static_cast<LONG>((r.bottom - r.top) * y)};
}

// The middle of a list item, from the list's client area and its item height.
POINT list_item_point(HWND list, int index) {
  const auto height = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  POINT p{20, height * index + height / 2};
  ClientToScreen(list, &p);
  return p;
}

// One substitute terminal with the panel placed over its chart and the expert attached.
class TerminalWithExpert : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(run_.started()) << "sim-terminal.exe did not start or show its window";
    ASSERT_TRUE(run_.wait_placed()) << run_.describe();
    panel_ = run_.panel_window();
    expert_.emplace(panel_);
    ASSERT_TRUE(expert_->attached()) << "the exchange fields were not found by their ids";
    // The user's first click: under Wine it can be followed by the desktop taking the keyboard,
    // which would cancel a click made at that moment.
    ASSERT_TRUE(take_keyboard("Edit12"));
  }

  HWND control(std::string_view name) {
    HWND found = panel_control(panel_, name);
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
  }
  std::wstring text(std::string_view name) { return text_of(control(name)); }
  bool visible(std::string_view name) { return IsWindowVisible(control(name)) != FALSE; }
  bool click(std::string_view name) { return input::click(input::centre_of(control(name))); }
  bool text_becomes(std::string_view name, const std::wstring& expected) {
    HWND window = control(name);
    return wait_until([&] { return text_of(window) == expected; }, std::chrono::seconds(5));
  }
  // Clicks the control until the panel holds the keyboard. Under Wine a click that takes the
  // keyboard from another window is sometimes followed by the desktop taking it.
  bool take_keyboard(std::string_view name) {
    // On a loaded machine Wine may hand the keyboard to the desktop more than once.
    for (int attempt = 0; attempt < 8; ++attempt) {
      if (!click(name)) return false;
      Sleep(400);
      if (GetForegroundWindow() == panel_) return true;
    }
    return false;
  }
  // The command the expert takes next, after which the handshake must leave the link idle.
  std::wstring command() {
    const auto taken = expert_->take_command();
    if (!taken) {
      ADD_FAILURE() << "no command came; the expert took " << expert_->commands().size()
                    << " before";
      return L"<none>";
    }
    EXPECT_TRUE(expert_->wait_idle()) << "the handshake did not clear the command";
    return *taken;
  }

  TerminalRun run_;
  HWND panel_ = nullptr;
  std::optional<TestExpert> expert_;
};

using TradingOverTerminal = TerminalWithExpert;
using TesterOverTerminal = TerminalWithExpert;

TEST_F(TradingOverTerminal, MarketOrdersCarryTheLotThatTheSpinSets) {
  ASSERT_TRUE(expert_->give_quotes(L"1.3051 / 1.3053"));
  ASSERT_TRUE(text_becomes("Edit12", L"0.01")) << "the lot field starts at the lot step";
  HWND spin = control("RzSpinButtons8");
  ASSERT_TRUE(input::click(point_in(spin, 0.75, 0.5)));
  EXPECT_TRUE(text_becomes("Edit12", L"0.02")) << "the spin's right half steps up";
  // With the panel in front, the following tick shows the expert's quotes.
  EXPECT_TRUE(text_becomes("Label10", L"1.3051 / 1.3053"));
  ASSERT_TRUE(click("SpriteButton9"));
  EXPECT_EQ(command(), L"OPEN_SELL;0.02;;;");

  ASSERT_TRUE(input::click(point_in(spin, 0.25, 0.5)));
  EXPECT_TRUE(text_becomes("Edit12", L"0.01")) << "the spin's left half steps down";
  ASSERT_TRUE(click("SpriteButton27"));
  EXPECT_EQ(command(), L"OPEN_BUY;0.01;;;");
}

TEST_F(TradingOverTerminal, ClosesTrailsAndClosesAllTheOrdersTheExpertReports) {
  // Two orders: the first is selected by the panel, the user clicks the second.
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n67890 (sell 0.20)\r\n"));
  HWND list = control("ORDERS_LIST_m");
  ASSERT_TRUE(wait_until([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 2; }));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));
  ASSERT_TRUE(input::click(list_item_point(list, 1)));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"67890 "; }));
  ASSERT_TRUE(click("Button7"));
  EXPECT_EQ(command(), L"CLOSE;67890 ;;;");

  // The expert closes it: the selection falls back to the remaining order.
  ASSERT_TRUE(expert_->give_orders(L"12345 (buy 0.10)\r\n"));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"12345 "; }));

  // T-SL opens the trailing-stop window in the main panel's place; Apply closes it there.
  const POINT main_place = top_left(control("main"));
  ASSERT_TRUE(click("Button4"));
  ASSERT_TRUE(wait_until(
      [&] {
        return visible("SET_TSL_WND") && !visible("main") &&
               same_point(top_left(control("SET_TSL_WND")), main_place);
      },
      5s))
      << "the trailing-stop window did not take the main panel's place";
  EXPECT_EQ(text("Label5"), L"Сделка #12345 ");
  ASSERT_TRUE(input::click(point_in(control("RzSpinButtons3"), 0.75, 0.5)));
  EXPECT_TRUE(text_becomes("Edit7", L"1")) << "the distance spin steps up";
  ASSERT_TRUE(click("Button6"));
  EXPECT_EQ(command(), L"SET_TSL;12345 ;1;;");
  EXPECT_TRUE(wait_until(
      [&] {
        return visible("main") && !visible("SET_TSL_WND") &&
               same_point(top_left(control("main")), main_place);
      },
      5s))
      << "the main panel did not come back in the window's place";

  // The shortcut menu's first item, on a bare spot of the main panel.
  RECT main{};
  GetWindowRect(control("main"), &main);
  ASSERT_TRUE(input::right_click({main.left + 8, main.top + 50}));
  const DWORD pid = GetProcessId(run_.panel_process());
  HWND menu = nullptr;
  ASSERT_TRUE(wait_until([&] { return (menu = process_window(pid, kMenuClass)) != nullptr; }, 5s))
      << "no shortcut menu came up";
  // Two items share the menu's height: a quarter of the way down is inside the first.
  ASSERT_TRUE(input::click(point_in(menu, 0.5, 0.25)));
  EXPECT_EQ(command(), L"CLOSE_ALL;;;;");

  // No orders left: nothing selected, and CLOSE cannot be pressed.
  ASSERT_TRUE(expert_->give_orders(L""));
  EXPECT_TRUE(wait_until([&] { return expert_->selected_ticket() == L"-1"; }));
  EXPECT_FALSE(IsWindowEnabled(control("Button7")));
}

TEST_F(TesterOverTerminal, SpeedF11PauseAndStopReachTheTester) {
  namespace sim = sim_terminal;
  HWND tester_pause = previous(find_by_text(run_.main(), L"Стоп"), 3);
  ASSERT_NE(tester_pause, nullptr);
  auto tester_speed = [&] { return run_.send("speed").value_or(-1); };
  auto test_state = [&] { return run_.send("test-state").value_or(-1); };

  // The slider takes the keyboard with a click; the tester ends one position short of it.
  HWND speed = control("TrackBar1");
  ASSERT_TRUE(take_keyboard("TrackBar1"));
  input::press_key(VK_END);
  ASSERT_TRUE(wait_until([&] { return SendMessageW(speed, TBM_GETPOS, 0, 0) == 32; }, 5s));
  EXPECT_TRUE(wait_until([&] { return tester_speed() == 31; }, 5s)) << tester_speed();
  input::press_key(VK_LEFT);
  EXPECT_TRUE(wait_until([&] { return tester_speed() == 30; }, 5s)) << tester_speed();

  // F11 reaches the chart while the panel has the keyboard, and not while the terminal has it.
  ASSERT_EQ(GetForegroundWindow(), panel_);
  input::press_key(VK_F11, 300ms);
  EXPECT_TRUE(wait_until([&] { return run_.send("f11-count").value_or(0) > 0; }, 5s));
  ASSERT_EQ(run_.send("activate"), sim::kReplyDone);
  const auto before = run_.send("f11-count");
  input::press_key(VK_F11, 300ms);
  Sleep(600);  // three F11 ticks of the panel
  EXPECT_EQ(run_.send("f11-count"), before);

  // Pause and resume: the panel's button shows the state the tester enters. Under Wine the
  // click on the tester's button hands the terminal the keyboard, so the user takes it back.
  ASSERT_TRUE(take_keyboard("Edit12"));
  ASSERT_TRUE(click("Button1"));
  EXPECT_TRUE(wait_until([&] { return test_state() == sim::kTestPaused; }, 5s));
  EXPECT_EQ(text_of(tester_pause), L">>");
  EXPECT_EQ(text("Button1"), L">>");
  ASSERT_TRUE(take_keyboard("Edit12"));
  ASSERT_TRUE(click("Button1"));
  EXPECT_TRUE(wait_until([&] { return test_state() == sim::kTestRunning; }, 5s));
  EXPECT_EQ(text_of(tester_pause), L"| |");
  EXPECT_EQ(text("Button1"), L"| |");

  ASSERT_TRUE(click("Button2"));
  EXPECT_TRUE(wait_until([&] { return test_state() == sim::kTestStopped; }, 5s));
}

}  // namespace
}  // namespace pelmora::e2e
