// Writes screenshots of trading over the substitute terminal for review, as BMP files in the
// current folder: BUY's hint with its shortcut key, the trailing-stop window opened for an order,
// the SL/TP window filled for a buy order, and the "Lot size error!" box (scripts/make-shots turns
// them into PNG files). Driven by real input, like the e2e tests.
#include <windows.h>

#include <cstdio>
#include <string>

#include "form/names.h"
#include "real_input.h"
#include "screen_picture.h"
#include "terminal_driver.h"
#include "test_expert.h"
#include "window_search.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;
namespace {

RECT rect_of(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Lets both programs finish painting, then saves `rect`.
bool shoot(const RECT& rect, const char* file) {
  Sleep(700);
  const bool saved = win32_test::save_screen(rect, file);
  std::printf("%s %s\n", file, saved ? "written" : "failed");
  return saved;
}

bool take_shots() {
  TerminalRun run;
  if (!run.started() || !run.wait_placed()) {
    std::printf("the panel did not come over the chart: %ls\n", run.describe().c_str());
    return false;
  }
  HWND panel = run.panel_window();
  TestExpert expert(panel);
  expert.give_quotes(L"1.3051 / 1.3053");
  expert.give_orders(L"12345 (buy 0.10)\r\n67890 (sell 0.20)\r\n");
  if (!wait_until([&] { return expert.selected_ticket() == L"12345 "; })) return false;

  // A first click on the panel can be followed by the desktop taking the keyboard under Wine,
  // which would cancel a click made then: click the lot field first and let that pass.
  input::click(input::centre_of(panel_control(panel, names::kLotField)));
  Sleep(500);
  // The mouse resting on BUY: its hint, with the key, comes up beside it.
  bool ok = input::move_to(input::centre_of(panel_control(panel, names::kBuyButton)));
  const DWORD pid = GetProcessId(run.panel_process());
  ok = wait_until([&] { return process_window(pid, L"tooltips_class32") != nullptr; }, 5s) && ok;
  ok = shoot(rect_of(run.main()), "hint-key.bmp") && ok;
  ok = input::click(input::centre_of(panel_control(panel, names::kTrailingButton))) && ok;
  ok = wait_until(
           [&] { return IsWindowVisible(panel_control(panel, names::kTrailingPanel)) != FALSE; }) &&
       ok;
  ok = shoot(rect_of(run.main()), "trailing-stop.bmp") && ok;
  input::click(input::centre_of(panel_control(panel, names::kTrailingCancel)));

  // The SL/TP window for the buy order opened at 1.25, its stop-loss 50 points below and its
  // take-profit 100 points above: shot once the fill ticks have loaded both sides.
  expert.give_order_property(L"x;0;1.25;1.245;1.26;0.0001;0;0;0.01;");
  Sleep(500);
  ok = input::click(input::centre_of(panel_control(panel, names::kStopLevelsButton))) && ok;
  HWND take_profit = panel_control(panel, names::kTakeProfitPrice);
  ok = wait_until([&] { return window_text(take_profit) == L"1.26"; }) && ok;
  ok = shoot(rect_of(run.main()), "tp-sl.bmp") && ok;
  input::click(input::centre_of(panel_control(panel, names::kStopLevelsCancel)));

  // A lot the spin cannot read, as the user might type it.
  HWND lot = panel_control(panel, names::kLotField);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(lot, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1,5,5"), SMTO_BLOCK, 2000,
                      &ignored);
  RECT spin = rect_of(panel_control(panel, names::kLotSpin));
  input::click({spin.right - 4, (spin.top + spin.bottom) / 2});
  HWND box = nullptr;
  if (!wait_until([&] { return (box = process_window(pid, kDialogClass)) != nullptr; }, 5s)) {
    std::printf("no message box came up\n");
    return false;
  }
  RECT both{};
  const RECT terminal = rect_of(run.main());
  const RECT message = rect_of(box);
  UnionRect(&both, &terminal, &message);
  ok = shoot(both, "lot-size-error.bmp") && ok;
  input::press_key(VK_RETURN);
  return ok;
}

}  // namespace
}  // namespace pelmora::e2e

int main() {
  return pelmora::e2e::take_shots() ? 0 : 1;
}
