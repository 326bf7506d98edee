// Screenshots of practice tests for review, BMP files in the current folder (make-shots turns
// them into PNG): a buy order with its levels, running result and the time axis mid-replay; the
// summary with its equity curve; a daily share-price history with an open buy. Real input, as in
// the end-to-end tests; the terminal's own expert trades.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "control_protocol.h"
#include "form/names.h"
#include "practice/calendar.h"
#include "practice/history.h"
#include "practice/summary.h"
#include "scratch_folder.h"
#include "screen_picture.h"
#include "terminal_with_expert.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

// Three thousand weekdays of a share around 44 with two decimals, from 2004-01-02, written as
// a daily export named after its symbol: long enough that the test is still running when the
// panel, which may have kept the fastest speed, has come up.
std::wstring share_history() {
  static const ScratchFolder folder(L"pelmora-shots-");
  std::string text = "Date,Open,High,Low,Close,Volume\n";
  std::int64_t day = practice::days_from_civil({2004, 1, 2});
  practice::Price close = 4406;
  unsigned state = 17;
  const auto next = [&state](int range) {
    state = state * 1664525u + 1013904223u;
    return static_cast<int>((state >> 8) % static_cast<unsigned>(2 * range + 1)) - range;
  };
  for (int bars = 0; bars < 3000; ++day) {
    if (practice::weekday(day) >= 5) continue;
    const practice::Price open = std::max<practice::Price>(500, close + next(20));
    close = std::max<practice::Price>(500, open + next(90) + (4406 - open) / 60);
    const practice::Price high = std::max(open, close) + next(40) + 40;
    const practice::Price low = std::min(open, close) - next(40) - 40;
    text += practice::time_text(day * practice::kSecondsPerDay).substr(0, 10) + "," +
            practice::price_text(open, 2) + "," + practice::price_text(high, 2) + "," +
            practice::price_text(low, 2) + "," + practice::price_text(close, 2) + "," +
            std::to_string(1000 + next(500) + 500) + "\n";
    ++bars;
  }
  return L"\"" + folder.file(L"ACME.csv", text) + L"\"";
}

class PracticeShots : public PanelOverTerminal {
 protected:
  // One chart, as the demo shows.
  explicit PracticeShots(std::vector<std::wstring> options = {})
      : PanelOverTerminal(with_one_chart(std::move(options)), ExpertSide::terminal) {}
  static std::vector<std::wstring> with_one_chart(std::vector<std::wstring> options) {
    options.insert(options.end(), {L"--charts", L"1"});
    return options;
  }

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
  // One more order opened by a click, whatever stop-losses and take-profits closed meanwhile.
  bool trade(std::string_view button) {
    const auto opened = [&] { return ask("open-count") + ask("closed-count"); };
    const LRESULT before = opened();
    return take_keyboard(names::kLotField) && click(button) &&
           wait_until([&] { return opened() == before + 1; }, 10s);
  }
  void TearDown() override {
    if (HasFailure()) std::printf("%s\n", run_.journal().read_one(L"journal-").c_str());
  }
};

class ShareShots : public PracticeShots {
 protected:
  ShareShots() : PracticeShots({L"--history", share_history(), L"--from", L"2005-09-01"}) {}
};

TEST_F(PracticeShots, TradeWithItsLevelsAndTheSummary) {
  ASSERT_TRUE(wait_until([&] { return text(names::kQuotes).find(L" / ") != std::wstring::npos; }));
  // A few hundred bars fast, so that the chart is full; then slow enough that the order's
  // levels stay in sight for a while after it opens.
  ASSERT_EQ(ask("set-speed 28"), sim_terminal::kReplyDone);
  Sleep(3000);
  ASSERT_EQ(ask("set-speed 14"), sim_terminal::kReplyDone);
  ASSERT_TRUE(trade(names::kBuyButton));

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

  // A few more trades at a brisker pace, so that the curve has something to show.
  ASSERT_EQ(ask("set-speed 24"), sim_terminal::kReplyDone);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(trade(i % 2 ? names::kBuyButton : names::kSellButton));
    Sleep(1500);
  }
  ASSERT_EQ(ask("stop"), sim_terminal::kReplyDone);
  ASSERT_TRUE(answer_becomes("summary-shown", 1));
  EXPECT_TRUE(shoot("practice-summary.bmp"));
}

TEST_F(ShareShots, ADailySharePriceWithAnOpenBuy) {
  ASSERT_TRUE(wait_until([&] { return text(names::kQuotes).find(L" / ") != std::wstring::npos; }));
  ASSERT_EQ(ask("set-speed 12"), sim_terminal::kReplyDone);
  ASSERT_TRUE(trade(names::kBuyButton));
  Sleep(3000);  // a few days pass with the order open
  EXPECT_TRUE(shoot("practice-share.bmp"));
}

}  // namespace
}  // namespace pelmora::e2e
