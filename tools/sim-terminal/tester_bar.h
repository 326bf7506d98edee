// The strategy tester's bar at the bottom of the terminal, in two rows. Sibling order: a label,
// the speed slider (1 to 32), the pause button ("| |" / ">>"), the visual-mode box, the state
// label, "Стоп" and the speed read-out, so that three and four previous-sibling steps from "Стоп"
// reach the pause button and the slider; then the step button ">|", "Новый тест", the bar's time,
// the account and a line for what the tester refuses. Every click on the pause and stop buttons
// and every change of the speed, whoever made it, is told as one line of news.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "control_command.h"
#include "control_protocol.h"

namespace pelmora::sim_terminal {

// As the control channel's test-state command answers it.
enum class TestState : LRESULT {
  kRunning = kTestRunning,
  kPaused = kTestPaused,
  kStopped = kTestStopped
};

class TesterBar {
 public:
  using News = std::function<void(std::wstring_view line)>;
  using Action = std::function<void()>;

  static constexpr int kHeight = 66;
  static constexpr int kSpeedMin = 1;
  static constexpr int kSpeedMax = kMaxSpeed;

  // Creates the bar inside `parent`; window() is null when creation failed. `step` runs at a
  // click on the step button, `new_test` at one on "Новый тест".
  TesterBar(HINSTANCE instance, HWND parent, News news, Action step, Action new_test);
  TesterBar(const TesterBar&) = delete;
  TesterBar& operator=(const TesterBar&) = delete;

  HWND window() const { return bar_; }
  void place(int x, int y, int width);

  // Once stopped, the test stays stopped until a new test; its pause button is refused.
  TestState state() const;
  int speed() const;
  // Moves the slider as the user would (the news tells it); clamped to 1..kSpeedMax.
  void set_speed(int speed);
  // Press the pause and stop buttons as a click would.
  void press_pause() { SendMessageW(pause_, BM_CLICK, 0, 0); }
  void press_stop() { SendMessageW(stop_, BM_CLICK, 0, 0); }
  // The test ended without the stop button (its history ran out, its chart closed): shown as
  // stopped.
  void stop(std::wstring_view why);
  // A new test: running, the refusal line cleared.
  void restart();
  // The state and speed in a few words, for the chart.
  std::wstring summary() const;
  // The second row: the current bar's time, the account, and what was refused (empty: nothing).
  void show_time(std::wstring_view text);
  void show_account(std::wstring_view text);
  void show_refusal(std::wstring_view text);

 private:
  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND add(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int width,
           int height);
  void on_pause_click();
  void on_stop_click();
  void show_state();
  void show_speed();
  void on_speed_change();

  HINSTANCE instance_;
  HWND bar_ = nullptr;
  HWND slider_ = nullptr;
  HWND pause_ = nullptr;
  HWND state_ = nullptr;
  HWND stop_ = nullptr;
  HWND speed_text_ = nullptr;
  HWND step_ = nullptr;
  HWND new_test_ = nullptr;
  HWND time_ = nullptr;
  HWND account_ = nullptr;
  HWND refusal_ = nullptr;
  News news_;
  Action step_action_;
  Action new_test_action_;
  bool paused_ = false;
  bool stopped_ = false;
  int reported_speed_ = -1;
};

}  // namespace pelmora::sim_terminal
