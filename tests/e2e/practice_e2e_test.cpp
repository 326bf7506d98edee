// End to end under Wine: the substitute terminal's own expert trades its replayed test while the
// user drives the panel by real mouse and keyboard input, from a buy with its levels and a
// trailing stop to "Стоп". The checks read what the terminal shows and writes: its trade counts,
// the order record its expert publishes, the summary and the journal.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

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

class PracticeOverTerminal : public PanelOverTerminal {
 protected:
  PracticeOverTerminal() : PanelOverTerminal({}, ExpertSide::terminal) {}
  // The lines of the run's file whose name starts with `prefix` (journal- or trades-).
  std::vector<std::string> lines_of(const std::wstring& prefix) const {
    return split(run_.journal().read_one(prefix), '\n');
  }
  // What the expert did tells most about a failure.
  void TearDown() override {
    if (!HasFailure()) return;
    for (const auto& line : lines_of(L"journal-")) std::printf("journal: %s\n", line.c_str());
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
  // A click on the tester's controls through the panel hands the terminal the keyboard under
  // Wine, so the user takes it back after each.
  void tester_button(std::string_view name, LRESULT state) {
    ASSERT_TRUE(take_keyboard(names::kLotField));
    ASSERT_TRUE(click(name));
    ASSERT_TRUE(answer_becomes("test-state", state));
    ASSERT_TRUE(take_keyboard(names::kLotField));
  }
};

TEST_F(PracticeOverTerminal, TradesFromTheFirstBuyToTheSummaryWithRealInput) {
  // The expert's quotes reach the panel; then the test is paused so that prices hold still.
  ASSERT_TRUE(wait_until([&] { return text(names::kQuotes).find(L" / ") != std::wstring::npos; }));
  tester_button(names::kPauseButton, sim::kTestPaused);
  const std::wstring quotes = text(names::kQuotes);
  const double bid = _wtof(quotes.c_str());

  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(answer_becomes("open-count", 1));
  ASSERT_TRUE(wait_until([&] { return record_field(3) > 0; })) << "no record of the order";
  const double open = record_field(3);
  EXPECT_NEAR(open - bid, 8 * 0.00001, 1e-9) << "a buy fills at the ask";

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
  EXPECT_NEAR(record_field(4), open - 0.005, 1e-9);
  EXPECT_NEAR(record_field(5), open + 0.005, 1e-9);

  // A trailing stop 100 points behind the bid tightens the stop-loss at once.
  ASSERT_TRUE(click_until_swapped(names::kTrailingButton, names::kTrailingPanel, names::kMainPanel,
                                  main_place));
  retype(names::kTrailingDistance, L"100");
  ASSERT_TRUE(click(names::kTrailingApply));
  ASSERT_TRUE(swapped(names::kMainPanel, names::kTrailingPanel, main_place));
  EXPECT_TRUE(wait_until([&] { return std::abs(record_field(4) - (bid - 0.001)) < 1e-9; }))
      << record_field(4);

  ASSERT_TRUE(take_keyboard(names::kLotField));
  ASSERT_TRUE(click(names::kCloseButton));
  ASSERT_TRUE(answer_becomes("open-count", 0));
  tester_button(names::kStopButton, sim::kTestStopped);
  ASSERT_TRUE(answer_becomes("summary-shown", 1));
  HWND summary = FindWindowExW(run_.chart(1), nullptr, sim::kSummaryClass, nullptr);
  const std::wstring figures = text_of(summary);
  EXPECT_NE(
      figures.find(L"Закрытых сделок: 1\r\nИтог в пунктах: " + std::to_wstring(ask("net-points"))),
      std::wstring::npos)
      << figures;

  // The journal: one line per command taken, in order, each with its time to READ_OK.
  std::vector<std::wstring> taken;
  for (const auto& line : lines_of(L"journal-")) {
    const size_t from = line.find(") "), to = line.find(" at ");
    if (line.find("; READ_OK after ") == std::string::npos || to == std::string::npos) continue;
    taken.emplace_back(line.begin() + static_cast<long>(from) + 2,
                       line.begin() + static_cast<long>(to));
  }
  EXPECT_EQ(taken, (std::vector<std::wstring>{L"OPEN_BUY;0.01;;;", levels, L"SET_TSL;1001 ;100;;",
                                              L"CLOSE;1001 ;;;"}));
}

}  // namespace
}  // namespace pelmora::e2e
