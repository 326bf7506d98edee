// A repeating timer on the user-interface thread (SetTimer on a message-only window the timer
// owns). Pinned in memory: its window refers back to it.
#pragma once

#include <windows.h>

#include "platform/controls.h"
#include "platform/win32/unique_window.h"

namespace pelmora::platform::win32 {

struct TimerArgs {
  int interval_ms = 1000;  // the system raises anything below its minimum (about 10 ms)
  bool enabled = true;
};

class Timer final : public platform::Timer {
 public:
  // Throws std::runtime_error when the system refuses to create the timer's window.
  explicit Timer(const TimerArgs& args);
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer() override;

  bool enabled() const override { return enabled_; }
  void set_enabled(bool on) override;
  int interval_ms() const override { return interval_ms_; }
  void set_interval_ms(int ms) override;
  void set_on_tick(Handler handler) override { on_tick_ = std::move(handler); }

 private:
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void apply();

  UniqueWindow window_;
  int interval_ms_;
  bool enabled_;
  Handler on_tick_;
};

}  // namespace pelmora::platform::win32
