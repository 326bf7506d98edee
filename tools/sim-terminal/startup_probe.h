// Measures the panel's start-up from outside, on a thread of its own so that the terminal's
// message handling is not disturbed: from just before the panel is started to its window
// first existing (captioned) and to its window lying visible over the chart area (see
// panel_observation.h).
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

namespace pelmora::sim_terminal {

class StartupProbe {
 public:
  struct Target {
    std::wstring caption;  // the panel window's caption
    HWND chart_frame;
    HWND chart_area;
    HWND terminal;
    HANDLE panel_process;  // held: its end ends the watch
  };
  struct Report {
    // Where the figures go, one line each: "window <ms>", "attached <ms>", then "placed <ms>"
    // or "not placed"; empty: nowhere.
    std::wstring path;
    // `notify` gets result_message once the watch ends (WPARAM 1 when placed; LPARAM the time
    // in whole milliseconds).
    HWND notify;
    UINT result_message;
  };

  // Starts the watch; times count from `started`. It gives up when the panel ends or a
  // minute passes without it being placed.
  StartupProbe(Target target, std::chrono::steady_clock::time_point started, Report report);
  StartupProbe(const StartupProbe&) = delete;
  StartupProbe& operator=(const StartupProbe&) = delete;
  ~StartupProbe() = default;  // the jthread asks the watch to stop and joins it

 private:
  std::jthread watch_;
};

}  // namespace pelmora::sim_terminal
