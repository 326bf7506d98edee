// The following tick: keeps the panel window over the terminal's chart area, shows
// it only while its chart can be seen, gates the link, update and F11 timers, refreshes the
// selected order and the quote label, and ends the program once the chart has been closed or
// its window has gone.
#pragma once

#include "platform/controls.h"
#include "platform/panel_window.h"
#include "platform/program.h"
#include "platform/terminal_windows.h"

namespace pelmora::terminal {

// What the tick acts on; held, not owned.
struct FollowingControls {
  platform::PanelWindow& window;
  platform::Timer& link_timer;        // link
  platform::Timer& update_timer;      // update check
  platform::Timer& f11_timer;         // F11 forwarding
  platform::TextControl& quotes;      // quote label
  platform::TextControl& IN_ASK_BID;  // quotes written by the terminal side
};

// The link timer's interval once the panel follows a real chart.
inline constexpr int kLinkIntervalMs = 10;
// The panel window covers the chart area less this margin on every side.
inline constexpr int kChartMargin = 2;

class FollowingTick {
 public:
  // `before_end` runs right before the tick ends the program (the settings are saved there).
  FollowingTick(FollowingControls controls, const platform::TerminalWindows& terminal,
                platform::Program& program, platform::Handler update_selected_order,
                platform::Handler before_end = {});

  // Runs every 300 ms. A failing step ends the tick silently.
  void tick() noexcept;

  // The size last given to the panel window by a tick (0 before the first placement).
  int last_width() const { return last_width_; }
  int last_height() const { return last_height_; }

 private:
  void follow();
  // Whether the panel may be seen at all (terminal neither minimised nor hidden, its chart in
  // front of the other charts); false ends the tick.
  bool gate_visibility(platform::WindowRef main, platform::WindowRef frame);
  void set_timers(bool on);
  void end_program();
  void place(platform::WindowRef area, platform::WindowRef main, platform::WindowRef frame);

  FollowingControls c_;
  const platform::TerminalWindows& terminal_;
  platform::Program& program_;
  platform::Handler update_selected_order_;
  platform::Handler before_end_;
  int last_width_ = 0;
  int last_height_ = 0;
  // The chart area was last found too small to hold the panel: the panel stays hidden until a
  // tick finds it large enough again.
  bool area_too_small_ = false;
  bool running_ = false;     // a nested tick (from a modal loop inside this one) does nothing
  bool chart_seen_ = false;  // the chart window existed at some tick
};

}  // namespace pelmora::terminal
