// End to end under Wine with real input: the substitute terminal's own expert trades a test that
// starts at a date with context bars; the chart scrolled, zoomed and brought back, a paused test
// stepped, trades to "Стоп", the summary and its curve, a new test. The checks read what the
// terminal shows and writes: counts, order lines and record, trades, journal and curve files.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "chart_place.h"
#include "control_protocol.h"
#include "form/names.h"
#include "link/exchange_fields.h"
#include "real_input.h"
#include "terminal_with_expert.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

namespace sim = sim_terminal;

template <class Char>
std::vector<std::basic_string<Char>> split(const std::basic_string<Char>& text, Char separator) {
  std::vector<std::basic_string<Char>> parts;
  std::basic_stringstream<Char> stream(text);
  for (std::basic_string<Char> part; std::getline(stream, part, separator);) {
    if (!part.empty() && part.back() == '\r') part.pop_back();
    parts.push_back(part);
  }
  return parts;
}

// The bundled series starts on Monday 2025-01-06 with 288 five-minute bars a day.
constexpr LRESULT kContextBars = 576;

// The wheel turned by `notches` (away from the user when positive) where the cursor stands,
// with Ctrl held when `ctrl`.
void wheel(int notches, bool ctrl) {
  std::vector<INPUT> inputs;
  auto key = [&](DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = VK_CONTROL;
    in.ki.dwFlags = flags;
    inputs.push_back(in);
  };
  if (ctrl) key(0);
  INPUT turn{};
  turn.type = INPUT_MOUSE;
  turn.mi.dwFlags = MOUSEEVENTF_WHEEL;
  turn.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
  inputs.push_back(turn);
  if (ctrl) key(KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class PracticeOverTerminal : public PanelOverTerminal {
 protected:
  PracticeOverTerminal() : PanelOverTerminal({L"--from", L"2025-01-08"}, ExpertSide::terminal) {}
  // The run's files whose names start with `prefix` (journal-, trades-, curve-), oldest first.
  std::vector<std::string> files(const std::wstring& prefix) const {
    return run_.journal().read_all(prefix);
  }
  std::vector<std::string> lines_of(const std::wstring& prefix, size_t index = 0) const {
    const auto texts = files(prefix);
    return texts.size() > index ? split(texts[index], '\n') : std::vector<std::string>{};
  }
  // What the expert did tells most about a failure.
  void TearDown() override {
    if (!HasFailure()) return;
    for (const auto& text : files(L"journal-")) std::printf("journal: %s\n", text.c_str());
  }

  LRESULT ask(std::string_view command) { return run_.send(command).value_or(-100); }
  // Waits for the terminal's answer, then for the link to be idle: a click that comes after the
  // expert's READ_OK but before the panel's next tick would have its command cleared with the
  // acknowledged one, as the panel's handshake does.
  bool answer_becomes(std::string_view command, LRESULT value) {
    HWND out_command = GetDlgItem(panel_, link::kOutCommand.control_id);
    HWND read_command = GetDlgItem(panel_, link::kInReadCommand.control_id);
    return wait_until([&] { return ask(command) == value; }, 10s) && wait_until([&] {
             return text_of(out_command).empty() && text_of(read_command).empty();
           });
  }
  // Field `index` (from 1) of the order record the terminal's expert publishes, as a number.
  double record_field(size_t index) {
    const auto fields = split(text_of(GetDlgItem(panel_, link::kInOrderProperty.control_id)), L';');
    return fields.size() >= index ? _wtof(fields[index - 1].c_str()) : -1;
  }
  // The first line of the panel's orders list.
  std::wstring first_order_line() {
    std::wstring item(512, L'\0');
    const LRESULT n = SendMessageW(control(names::kOrdersList), LB_GETTEXT, 0,
                                   reinterpret_cast<LPARAM>(item.data()));
    return n == LB_ERR ? L"" : item.substr(0, static_cast<size_t>(n));
  }
  // A click on the tester's controls through the panel hands the terminal the keyboard under
  // Wine, so the user takes it back after each.
  void tester_button(std::string_view name, LRESULT state) {
    ASSERT_TRUE(take_keyboard(names::kLotField));
    ASSERT_TRUE(click(name));
    ASSERT_TRUE(answer_becomes("test-state", state));
    ASSERT_TRUE(take_keyboard(names::kLotField));
  }
  // A window of the terminal's tester bar or summary by its class and caption.
  HWND terminal_control(const wchar_t* parent_class, const wchar_t* caption) {
    HWND parent = FindWindowExW(run_.main(), nullptr, parent_class, nullptr);
    if (!parent) parent = FindWindowExW(run_.chart(1), nullptr, parent_class, nullptr);
    return FindWindowExW(parent, nullptr, L"Button", caption);
  }
  // The tester bar's line of what it refused.
  std::wstring refusal() {
    HWND bar = FindWindowExW(run_.main(), nullptr, sim::kTesterBarClass, nullptr);
    for (HWND child = nullptr; (child = FindWindowExW(bar, child, L"Static", nullptr));) {
      const std::wstring text = text_of(child);
      if (text.rfind(L"Тест остановлен:", 0) == 0) return text;
    }
    return L"";
  }
  // A point of the chart's client area, at fractions of its width and height.
  POINT on_chart(double x, double y) { return input::point_in(run_.chart(1), x, y); }
};

TEST_F(PracticeOverTerminal, TradesStepsScrollsAndStartsAgainWithRealInput) {
  // The test starts two days in: those bars are already done, drawn as context.
  ASSERT_TRUE(wait_until([&] { return text(names::kQuotes).find(L" / ") != std::wstring::npos; }));
  EXPECT_GE(ask("bars"), kContextBars);
  const auto started = lines_of(L"journal-");
  ASSERT_FALSE(started.empty());
  EXPECT_NE(started[0].find("; 576 bars from 2025-01-06 00:00:00 before it as context"),
            std::string::npos)
      << started[0];

  // Dragged to the right, the chart shows older bars and stays there while the replay goes on;
  // Ctrl+wheel zooms it, and its button brings it back to the live edge.
  ASSERT_EQ(ask("view"), 0);
  const LRESULT usual_width = ask("zoom");
  ASSERT_TRUE(input::move_to(on_chart(0.35, 0.7)));
  input::left_button(true);
  ASSERT_TRUE(input::move_to(on_chart(0.6, 0.7)));
  input::left_button(false);
  ASSERT_TRUE(wait_until([&] { return ask("view") > 0; }, 5s));
  const LRESULT dragged = ask("view");
  EXPECT_TRUE(wait_until([&] { return ask("view") > dragged; }, 10s)) << "the chart followed";
  wheel(1, true);
  EXPECT_TRUE(wait_until([&] { return ask("zoom") > usual_width; }, 5s));
  RECT client{};
  GetClientRect(run_.chart(1), &client);
  const RECT live = sim::live_button_rect(client);
  POINT button{(live.left + live.right) / 2, (live.top + live.bottom) / 2};
  ClientToScreen(run_.chart(1), &button);
  ASSERT_TRUE(input::click(button));
  EXPECT_TRUE(wait_until([&] { return ask("view") == 0; }, 5s));

  // Paused, the wheel scrolls back and forth again to the live edge.
  tester_button(names::kPauseButton, sim::kTestPaused);
  ASSERT_TRUE(input::click(on_chart(0.55, 0.7)));
  wheel(2, false);
  EXPECT_TRUE(wait_until([&] { return ask("view") > 0; }, 5s));
  wheel(-2, false);
  EXPECT_TRUE(wait_until([&] { return ask("view") == 0; }, 5s));

  // A buy's line in the orders list shows its running result, which follows the quotes as the
  // test is stepped a bar at a time with the step button and with F12.
  ASSERT_TRUE(take_keyboard(names::kLotField));
  const double bid = _wtof(text(names::kQuotes).c_str());
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(answer_becomes("open-count", 1));
  ASSERT_TRUE(wait_until([&] { return record_field(3) > 0; })) << "no record of the order";
  const double open = record_field(3);
  EXPECT_NEAR(open - bid, 8 * 0.00001, 1e-9) << "a buy fills at the ask";
  HWND step = terminal_control(sim::kTesterBarClass, L">|");
  ASSERT_TRUE(step && IsWindowEnabled(step));
  for (int i = 0; i < 2; ++i) {
    const LRESULT bars = ask("bars");
    if (i == 0) {
      ASSERT_TRUE(input::click(input::centre_of(step)));
    } else {
      input::press_key(VK_F12);  // the click gave the terminal the keyboard
    }
    EXPECT_TRUE(wait_until([&] { return ask("bars") == bars + 1; }, 5s)) << "step " << i;
    const auto points = [&] {
      return std::lround((_wtof(text(names::kQuotes).c_str()) - open) * 100000);
    };
    EXPECT_TRUE(wait_until([&] {
      const std::wstring line = first_order_line();
      return line.find(L", " + std::wstring(points() > 0 ? L"+" : L"") + std::to_wstring(points()) +
                       L" point") != std::wstring::npos;
    })) << "step "
        << i << ": " << first_order_line() << " at " << text(names::kQuotes);
  }

  // Stop-loss and take-profit 500 points away, typed as distances into the SL/TP window.
  const POINT main_place = top_left(control(names::kMainPanel));
  ASSERT_TRUE(click_until_swapped(names::kStopLevelsButton, names::kStopLevelsPanel,
                                  names::kMainPanel, main_place));
  retype(names::kStopLossDistance, L"500");
  retype(names::kTakeProfitDistance, L"500");
  const std::wstring levels = L"SET_TP_SL;1001 ;" + text(names::kStopLossPrice) + L";" +
                              text(names::kTakeProfitPrice) + L";";
  ASSERT_TRUE(click(names::kStopLevelsApply));
  ASSERT_TRUE(swapped(names::kMainPanel, names::kStopLevelsPanel, main_place));
  EXPECT_TRUE(wait_until([&] { return record_field(4) > 0 && record_field(5) > 0; }));
  const double stop_loss = record_field(4);
  EXPECT_NEAR(stop_loss, open - 0.005, 1e-9);
  EXPECT_NEAR(record_field(5), open + 0.005, 1e-9);

  // A trailing stop of 5,000 points waits for that much profit: the stop-loss stays.
  ASSERT_TRUE(click_until_swapped(names::kTrailingButton, names::kTrailingPanel, names::kMainPanel,
                                  main_place));
  retype(names::kTrailingDistance, L"5000");
  ASSERT_TRUE(click(names::kTrailingApply));
  ASSERT_TRUE(swapped(names::kMainPanel, names::kTrailingPanel, main_place));
  EXPECT_TRUE(wait_until([&] { return record_field(8) == 5000; }));
  EXPECT_NEAR(record_field(4), stop_loss, 1e-9);

  ASSERT_TRUE(take_keyboard(names::kLotField));
  ASSERT_TRUE(click(names::kCloseButton));
  ASSERT_TRUE(answer_becomes("open-count", 0));
  ASSERT_TRUE(click(names::kSellButton));
  ASSERT_TRUE(answer_becomes("open-count", 1));
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(answer_becomes("open-count", 2));
  RECT main{};
  GetWindowRect(control(names::kMainPanel), &main);
  ASSERT_TRUE(choose_from_menu({main.left + 8, main.top + 50}, 0));
  ASSERT_TRUE(answer_becomes("open-count", 0));

  // Resumed at the fastest speed the price moves on; an order left open closes at the stop.
  tester_button(names::kPauseButton, sim::kTestRunning);
  ASSERT_TRUE(take_keyboard(names::kSpeedSlider));
  input::press_key(VK_END);
  ASSERT_TRUE(wait_until([&] { return ask("speed") == 32; }, 5s)) << ask("speed");
  const LRESULT ticks = ask("ticks");
  EXPECT_TRUE(wait_until([&] { return ask("ticks") > ticks + 50; }, 10s));
  ASSERT_TRUE(take_keyboard(names::kLotField));
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(answer_becomes("open-count", 1));
  tester_button(names::kStopButton, sim::kTestStopped);
  ASSERT_TRUE(answer_becomes("summary-shown", 1));

  // The trades file: one line per trade, in the order they closed, with the reason.
  std::vector<std::string> trades;
  ASSERT_TRUE(wait_until([&] { return (trades = lines_of(L"trades-")).size() == 5; }, 5s))
      << trades.size() << " lines: a header and four trades expected";
  const char* reasons[] = {"closed", "closed all", "closed all", "test end"};
  long long points = 0;
  for (size_t i = 0; i < 4; ++i) {
    const auto columns = split(trades[i + 1], ',');
    ASSERT_EQ(columns.size(), 12u) << trades[i + 1];
    EXPECT_EQ(columns[9], reasons[i]) << trades[i + 1];
    points += std::stoll(columns[10]);
  }
  EXPECT_EQ(ask("net-points"), points);
  HWND summary = FindWindowExW(run_.chart(1), nullptr, sim::kSummaryClass, nullptr);
  const std::wstring figures = text_of(summary);
  EXPECT_NE(figures.find(L"Закрытых сделок: 4"), std::wstring::npos) << figures;
  EXPECT_NE(figures.find(L"Итог в пунктах: " + std::to_wstring(points)), std::wstring::npos)
      << figures;
  // The curve beside the trades file: a PNG of the pane's curve, 340 by 220.
  const auto curves = files(L"curve-");
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves[0].substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(curves[0].substr(16, 8), std::string("\0\0\x01\x54\0\0\0\xdc", 8));
  EXPECT_GT(curves[0].size(), 1000u);

  // The journal: one line per command taken, in order, each with its time to READ_OK.
  std::vector<std::wstring> taken;
  for (const auto& line : lines_of(L"journal-")) {
    const size_t from = line.find(") "), to = line.find(" at ");
    if (line.find("; READ_OK after ") == std::string::npos || to == std::string::npos) continue;
    taken.emplace_back(line.begin() + static_cast<long>(from) + 2,
                       line.begin() + static_cast<long>(to));
  }
  EXPECT_EQ(taken,
            (std::vector<std::wstring>{L"OPEN_BUY;0.01;;;", levels, L"SET_TSL;1001 ;5000;;",
                                       L"CLOSE;1001 ;;;", L"OPEN_SELL;0.01;;;", L"OPEN_BUY;0.01;;;",
                                       L"CLOSE_ALL;;;;", L"OPEN_BUY;0.01;;;"}));

  // Stopped, the panel's commands are refused where the user looks.
  ASSERT_TRUE(click(names::kBuyButton));
  EXPECT_TRUE(wait_until([&] { return refusal().find(L"OPEN_BUY") != std::wstring::npos; }, 5s))
      << refusal();

  // "Новый тест": the same history again from the same date, new files, and a second trade.
  ASSERT_TRUE(input::click(input::centre_of(terminal_control(sim::kSummaryClass, L"Новый тест"))));
  ASSERT_TRUE(answer_becomes("test-state", sim::kTestRunning));
  EXPECT_EQ(ask("summary-shown"), 0);
  EXPECT_EQ(ask("closed-count"), 0);
  tester_button(names::kPauseButton, sim::kTestPaused);
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(answer_becomes("open-count", 1));
  // The expert acknowledges before it lists the order: CLOSE is offered a tick later.
  ASSERT_TRUE(wait_until([&] { return IsWindowEnabled(control(names::kCloseButton)) != FALSE; }));
  ASSERT_TRUE(click(names::kCloseButton));
  ASSERT_TRUE(answer_becomes("closed-count", 1));
  tester_button(names::kStopButton, sim::kTestStopped);
  EXPECT_TRUE(wait_until([&] { return lines_of(L"trades-", 1).size() == 2; }, 5s));
  const auto second = lines_of(L"journal-", 1);
  ASSERT_FALSE(second.empty());
  EXPECT_NE(second[0].find("test started: 11424 bars from 2025-01-08 00:00:00"), std::string::npos)
      << second[0];

  // Closing the terminal empties the chart's title; the panel ends by itself.
  HANDLE panel = run_.panel_process();
  ASSERT_EQ(ask("quit"), sim::kReplyDone);
  ASSERT_TRUE(wait_until([&] { return WaitForSingleObject(panel, 0) == WAIT_OBJECT_0; }, 10s));
  EXPECT_EQ(exit_code(panel), 0u) << "the panel was ended by force";
}

}  // namespace
}  // namespace pelmora::e2e
