// Writes screenshots of a practice test for review, as BMP files in the current folder: the
// terminal mid-replay with a buy order and its stop-loss and take-profit lines, and the test's
// summary after "Стоп" (scripts/make-shots turns them into PNG files). The terminal's own expert
// trades; the panel is driven by real input, as the end-to-end tests drive it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "control_protocol.h"
#include "form/names.h"
#include "screen_picture.h"
#include "terminal_with_expert.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

class PracticeShots : public PanelOverTerminal {
 protected:
  PracticeShots() : PanelOverTerminal({}, ExpertSide::terminal) {}

  LRESULT ask(std::string_view command) { return run_.send(command).value_or(-100); }
  bool answer_becomes(std::string_view command, LRESULT value) {
    return wait_until([&] { return ask(command) == value; }, 10s);
  }
  // Lets both programs finish painting, then saves the terminal's window.
  bool shoot(const char* file) {
    Sleep(700);
    RECT terminal{};
    GetWindowRect(run_.main(), &terminal);
    const bool saved = win32_test::save_screen(terminal, file);
    std::printf("%s %s\n", file, saved ? "written" : "failed");
    return saved;
  }
  void set_text(std::string_view name, const wchar_t* text) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        2000, &ignored);
  }
};

TEST_F(PracticeShots, TradeWithItsLevelsAndTheSummary) {
  ASSERT_TRUE(wait_until([&] { return text(names::kQuotes).find(L" / ") != std::wstring::npos; }));
  // A few hundred bars fast, so that the chart is full; then slow enough that the order's
  // levels stay in sight for a while after it opens.
  ASSERT_EQ(ask("set-speed 28"), sim_terminal::kReplyDone);
  Sleep(3000);
  ASSERT_EQ(ask("set-speed 14"), sim_terminal::kReplyDone);
  ASSERT_TRUE(click(names::kBuyButton));
  ASSERT_TRUE(answer_becomes("open-count", 1));

  // Stop-loss 400 and take-profit 500 points away (bars here often span 100), as distances in the
  // SL/TP window.
  const POINT main_place = top_left(control(names::kMainPanel));
  ASSERT_TRUE(take_keyboard(names::kLotField));
  ASSERT_TRUE(click(names::kStopLevelsButton));
  ASSERT_TRUE(swapped(names::kStopLevelsPanel, names::kMainPanel, main_place));
  set_text(names::kStopLossDistance, L"400");
  set_text(names::kTakeProfitDistance, L"500");
  ASSERT_TRUE(click(names::kStopLevelsApply));
  ASSERT_TRUE(swapped(names::kMainPanel, names::kStopLevelsPanel, main_place));
  Sleep(2500);  // a few bars pass with the order open
  ASSERT_EQ(ask("open-count"), 1) << "the order closed before the shot";
  EXPECT_TRUE(shoot("practice-trade.bmp"));

  ASSERT_EQ(ask("stop"), sim_terminal::kReplyDone);
  ASSERT_TRUE(answer_becomes("summary-shown", 1));
  EXPECT_TRUE(shoot("practice-summary.bmp"));
}

}  // namespace
}  // namespace pelmora::e2e
