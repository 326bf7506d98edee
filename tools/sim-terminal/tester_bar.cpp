// Child windows join the z-order behind their older siblings, so the creation order below is
// the sibling order the panel walks with previous-window steps.
#include "tester_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "control_protocol.h"
#include "window_class.h"

namespace pelmora::sim_terminal {

namespace {
constexpr wchar_t kRunning[] = L"| |";
constexpr wchar_t kPaused[] = L">>";
constexpr int kInitialSpeed = 16;

const wchar_t* state_text(TestState state) {
  switch (state) {
    case TestState::kRunning:
      return L"Идёт тестирование";
    case TestState::kPaused:
      return L"Тест приостановлен";
    case TestState::kStopped:
      return L"Тест остановлен";
  }
  return L"";
}

COLORREF state_colour(TestState state) {
  switch (state) {
    case TestState::kRunning:
      return RGB(0, 120, 40);
    case TestState::kPaused:
      return RGB(190, 110, 0);
    case TestState::kStopped:
      return RGB(200, 0, 0);
  }
  return GetSysColor(COLOR_BTNTEXT);
}
}  // namespace

TesterBar::TesterBar(HINSTANCE instance, HWND parent, News news, Action step, Action new_test)
    : instance_(instance),
      news_(std::move(news)),
      step_action_(std::move(step)),
      new_test_action_(std::move(new_test)) {
  register_window_class(instance, kTesterBarClass, object_proc<TesterBar, &TesterBar::message>,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  bar_ = CreateWindowExW(0, kTesterBarClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                         100, kHeight, parent, nullptr, instance, this);
  if (!bar_) return;
  add(WC_STATICW, L"Скорость:", SS_RIGHT, 6, 14, 62, 18);
  slider_ =
      add(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_AUTOTICKS | TBS_BOTTOM | WS_TABSTOP, 72, 6, 200, 32);
  // From 1, as the panel expects: Home and then P - 1 Downs put it at the panel's position P.
  SendMessageW(slider_, TBM_SETRANGE, TRUE, MAKELPARAM(kSpeedMin, kSpeedMax));
  SendMessageW(slider_, TBM_SETTICFREQ, 4, 0);
  SendMessageW(slider_, TBM_SETPOS, TRUE, kInitialSpeed);
  reported_speed_ = kInitialSpeed;
  pause_ = add(WC_BUTTONW, kRunning, BS_PUSHBUTTON | WS_TABSTOP, 280, 9, 40, 26);
  HWND visual = add(WC_BUTTONW, L"Визуализация", BS_AUTOCHECKBOX | WS_TABSTOP, 374, 11, 104, 22);
  SendMessageW(visual, BM_SETCHECK, BST_CHECKED, 0);
  state_ = add(WC_STATICW, L"", SS_LEFT, 484, 14, 150, 18);
  stop_ = add(WC_BUTTONW, L"Стоп", BS_PUSHBUTTON | WS_TABSTOP, 638, 9, 70, 26);
  speed_text_ = add(WC_STATICW, L"", SS_LEFT, 716, 14, 110, 18);
  // Beside the pause button on screen, after the stop button among the siblings.
  step_ = add(WC_BUTTONW, L">|", BS_PUSHBUTTON | WS_TABSTOP, 324, 9, 40, 26);
  new_test_ = add(WC_BUTTONW, L"Новый тест", BS_PUSHBUTTON | WS_TABSTOP, 830, 9, 96, 26);
  time_ = add(WC_STATICW, L"", SS_LEFT, 6, 44, 210, 18);
  account_ = add(WC_STATICW, L"", SS_LEFT, 220, 44, 300, 18);
  refusal_ = add(WC_STATICW, L"", SS_LEFT, 524, 44, 560, 18);
  show_state();
  show_speed();
}

HWND TesterBar::add(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y,
                    int width, int height) {
  HWND control = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, bar_, nullptr, instance_, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

void TesterBar::place(int x, int y, int width) {
  MoveWindow(bar_, x, y, width, kHeight, TRUE);
}

TestState TesterBar::state() const {
  if (stopped_) return TestState::kStopped;
  return paused_ ? TestState::kPaused : TestState::kRunning;
}

int TesterBar::speed() const {
  return static_cast<int>(SendMessageW(slider_, TBM_GETPOS, 0, 0));
}

std::wstring TesterBar::summary() const {
  return std::wstring(state_text(state())) + L", скорость " + std::to_wstring(speed()) + L" из " +
         std::to_wstring(kSpeedMax);
}

void TesterBar::set_speed(int speed) {
  SendMessageW(slider_, TBM_SETPOS, TRUE, std::clamp(speed, kSpeedMin, kSpeedMax));
  on_speed_change();
}

void TesterBar::stop(std::wstring_view why) {
  if (stopped_) return;
  stopped_ = true;
  show_state();
  if (news_) news_(why);
}

void TesterBar::restart() {
  stopped_ = false;
  paused_ = false;
  SetWindowTextW(pause_, kRunning);
  show_refusal(L"");
  show_state();
  if (news_) news_(L"Новый тест: история с начала");
}

void TesterBar::show_time(std::wstring_view text) {
  SetWindowTextW(time_, std::wstring(text).c_str());
}

void TesterBar::show_account(std::wstring_view text) {
  SetWindowTextW(account_, std::wstring(text).c_str());
}

void TesterBar::show_refusal(std::wstring_view text) {
  SetWindowTextW(refusal_, std::wstring(text).c_str());
}

void TesterBar::on_pause_click() {
  if (stopped_) {
    show_refusal(L"Тест остановлен: пауза не действует; «Новый тест» начинает заново");
    if (news_) news_(L"Пауза нажата: тест уже остановлен");
    return;
  }
  show_refusal(L"");
  paused_ = !paused_;
  SetWindowTextW(pause_, paused_ ? kPaused : kRunning);
  show_state();
  if (news_) news_(paused_ ? L"Пауза нажата: тест приостановлен" : L"Пауза нажата: тест продолжен");
}

void TesterBar::on_stop_click() {
  stopped_ = true;
  show_state();
  if (news_) news_(L"Стоп нажат: тест остановлен");
}

void TesterBar::show_state() {
  SetWindowTextW(state_, state_text(state()));
  EnableWindow(step_, state() == TestState::kPaused);
  EnableWindow(new_test_, stopped_);
}

void TesterBar::show_speed() {
  const std::wstring text =
      L"скорость " + std::to_wstring(speed()) + L" из " + std::to_wstring(kSpeedMax);
  SetWindowTextW(speed_text_, text.c_str());
}

// Each key moves the slider once and also ends a "track", which is no change: one line per
// new position.
void TesterBar::on_speed_change() {
  show_speed();
  const int now = speed();
  if (now == reported_speed_) return;
  reported_speed_ = now;
  if (news_) news_(L"Скорость " + std::to_wstring(now));
}

LRESULT TesterBar::message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const HWND from = reinterpret_cast<HWND>(lparam);
        if (from == pause_) on_pause_click();
        if (from == stop_) on_stop_click();
        if (from == step_ && step_action_) step_action_();
        if (from == new_test_ && new_test_action_) new_test_action_();
      }
      return 0;
    case WM_HSCROLL:
      if (reinterpret_cast<HWND>(lparam) == slider_) on_speed_change();
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lparam) == refusal_) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, state_colour(TestState::kStopped));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      if (reinterpret_cast<HWND>(lparam) == state_) {
        const HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, state_colour(state()));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      }
      return DefWindowProcW(hwnd, message, wparam, lparam);
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace pelmora::sim_terminal
