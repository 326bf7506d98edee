// The strategy tester's bar at the bottom of the terminal. Its children, in sibling order:
// a label, the speed slider (a trackbar, positions 0 to 32), the pause button ("| |" while
// running, ">>" while paused), the visual-mode box, the state label, the stop button "Стоп"
// and the speed read-out. From the stop button, three previous-sibling steps reach the pause
// button and four the slider.
#pragma once

#include <windows.h>

namespace pelmora::sim_terminal {

class TesterBar {
 public:
  static constexpr int kHeight = 44;
  static constexpr int kSpeedMax = 32;

  // Creates the bar inside `parent`; window() is null when creation failed.
  TesterBar(HINSTANCE instance, HWND parent);
  TesterBar(const TesterBar&) = delete;
  TesterBar& operator=(const TesterBar&) = delete;

  HWND window() const { return bar_; }
  void place(int x, int y, int width);

  bool paused() const { return paused_; }
  bool stopped() const { return stopped_; }
  int speed() const;

 private:
  LRESULT message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND add(const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int width,
           int height);
  void on_pause_click();
  void on_stop_click();
  void show_state();
  void show_speed();

  HINSTANCE instance_;
  HWND bar_ = nullptr;
  HWND slider_ = nullptr;
  HWND pause_ = nullptr;
  HWND state_ = nullptr;
  HWND stop_ = nullptr;
  HWND speed_text_ = nullptr;
  bool paused_ = false;
  bool stopped_ = false;
};

}  // namespace pelmora::sim_terminal
