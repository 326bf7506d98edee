// The substitute terminal's control channel, shared with the programs that drive it: one
// UTF-8 command line sent as WM_COPYDATA to the terminal main window; the reply is the
// message's result. The window class names let a driver find each window without asking.
#pragma once

#include <windows.h>

namespace pelmora::sim_terminal {

// Marks our WM_COPYDATA so that stray copies from other programs are refused.
inline constexpr ULONG_PTR kControlTag = 0x504C5354;
inline constexpr DWORD kMaxCommandBytes = 1024;

inline constexpr wchar_t kMainClass[] = L"PelmoraSimTerminal";
inline constexpr wchar_t kChartAreaClass[] = L"PelmoraSimChartArea";
inline constexpr wchar_t kChartFrameClass[] = L"PelmoraSimChartFrame";
inline constexpr wchar_t kChartClass[] = L"PelmoraSimChart";
inline constexpr wchar_t kTesterBarClass[] = L"PelmoraSimTesterBar";
inline constexpr wchar_t kTarselClass[] = L"PelmoraSimTarsel";
// The test's summary, a child of the first chart window, shown once the test stops: its window
// text (WM_GETTEXT) is the lines "Итоги теста", "Инструмент: ...", perhaps "Допущения: ...",
// "Закрытых сделок: N", "Итог в пунктах: N", "Итог в деньгах: N.NN", "Выигрышных сделок: N%",
// "Наибольшая просадка: N.NN", "Просадка по средствам: N.NN", "Фактор прибыли: N.NN" (or
// "-"), "Средний выигрыш / убыток: ...", "Наибольший выигрыш / убыток: ...", "Наибольшая серия
// убытков: N", "Баланс: N.NN", CR LF between. Its buttons are "Новый тест" and "Закрыть".
inline constexpr wchar_t kSummaryClass[] = L"PelmoraSimSummary";
// The journal is the main window's only child of the system class "ListBox", one line an item.

// Commands (arguments are decimal integers; chart numbers are 1 and 2):
//   minimise | restore | activate | front <chart> | move <x> <y> <width> <height>
//   close-chart <chart> | destroy-chart <chart> | tarsel | hang <ms> | quit | panel-pid
//   panel-exit
//   f11-count | speed | test-state | set-speed <1..32> | pause | stop
//   open-count | closed-count | net-points | summary-shown | ticks | bars | view | zoom
// restore, front and move also give the terminal the keyboard, as the user's click or drag
// would; activate only does that. tarsel makes the window captioned "Tarsel" + the panel's
// parameter. hang stops the terminal's message handling for <ms> right after the reply.
// set-speed moves the tester's slider, pause and stop press its pause and stop buttons, as the
// user would.
// Replies: kReplyRefused for an unknown or malformed command, a chart that is gone, or an
// activate that did not get the keyboard; kReplyDone when done; panel-pid answers the panel's
// process id (0 when none was started), panel-exit its exit code once it has ended and
// kReplyStillRunning before. f11-count answers how many F11 key-downs the chart windows have
// taken since the start, speed the tester slider's position (1 to 32), test-state one of
// kTestRunning, kTestPaused, kTestStopped. The test's figures:
// open-count answers the open orders, closed-count the closed trades, net-points the sum of
// the closed trades' points per lot (negative for a loss), summary-shown 1 once the summary is
// shown and 0 before, ticks the prices replayed since the test started (a new test starts them
// again), bars the bars completed (the context before a --from date included), view how many
// bars the chart is scrolled back from the live edge (0 there), zoom the chart's candle width
// in pixels. For these thirteen the reply is the value itself: a 0 (or for net-points a -1)
// there is an answer, not a refusal. A stopped test stays stopped until "Новый тест".
// close-chart closes a chart as its close box does: the panel's chart only once the panel has
// ended (its title is emptied first), or after 5 s. destroy-chart makes the chart's windows go
// at once, title and all, as a terminal that ends abruptly would.
inline constexpr LRESULT kReplyRefused = 0;
inline constexpr LRESULT kReplyDone = 1;
inline constexpr LRESULT kReplyStillRunning = -1;
inline constexpr LRESULT kTestRunning = 0;
inline constexpr LRESULT kTestPaused = 1;
inline constexpr LRESULT kTestStopped = 2;

}  // namespace pelmora::sim_terminal
