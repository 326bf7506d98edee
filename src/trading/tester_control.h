// The bottom row of the main panel drives the terminal's strategy tester: pause and resume
// (the pause button), stop (the stop button), the speed (the speed slider), and F11 forwarding
// to the chart (the F11 timer).
#pragma once

#include <functional>

#include "form/hint_keys.h"
#include "platform/platform.h"

namespace pelmora::trading {

// The panel's own controls this feature works with; held, not owned. The tester's windows are
// never kept: every operation finds them afresh from the chart.
struct TesterPanelControls {
  platform::PanelWindow& window;
  platform::Button& pause_button;
  platform::Button& stop_button;
  platform::Slider& speed_slider;
};

class TesterControl {
 public:
  // Resolves its controls and wires their handlers. The platform's roles are held, not owned.
  // `speed_moved` is told the slider's position at each of its changes.
  // `keys` gives the shortcut keys the hints show.
  explicit TesterControl(const platform::Platform& platform, const form::HintKeys& keys,
                         std::function<void(int position)> speed_moved = {});
  TesterControl(const TesterControl&) = delete;
  TesterControl& operator=(const TesterControl&) = delete;

  // Puts the tester's speed slider where the panel's slider stands: Home, then one Down fewer than
  // the position. Throws terminal::InvalidInteger when the first parameter is not a number.
  void send_speed_to_tester();

  // Pauses or resumes the test; the pause button shows the state the tester enters with the click.
  // Throws terminal::InvalidInteger when the first parameter is not a number.
  void pause_clicked();
  // Stops the test; every failure on the way is ignored.
  void stop_clicked() noexcept;
  // Puts the slider at a stored position at start. The change sends the speed as any change
  // does, but a first parameter that is no number is left to the creation step that reads it
  // next and reports it once. A slider that fails to move is ignored.
  void load_speed_position(int position) noexcept;

  // Runs at every real change of the slider's position; throws as send_speed_to_tester does.
  void speed_changed();
  void speed_key_down();
  // Writes the pause button's and the slider's hints anew, with the keys they show now.
  void show_hints();
  // Passes F11 on to the chart while F11 is down and the panel has the keyboard. A first
  // parameter that is not a number, or any other failure, then goes to the general error
  // display, one box at a time.
  void f11_tick() noexcept;

 private:
  void wire_handlers(platform::Timer& f11_timer);
  void forward_f11();

  platform::ControlSet& controls_;
  TesterPanelControls c_;
  platform::TerminalWindows& terminal_;
  const platform::Program& program_;
  platform::MessageBoxes& messages_;
  const form::HintKeys& keys_;
  std::function<void(int position)> speed_moved_;
  bool speed_hinted_ = false;  // the slider's hint shows its position (after its first change)
  bool ticking_ = false;       // an f11_timer tick (and any error box it shows) is running
  bool loading_ = false;       // speed_slider is being put at its stored position
};

}  // namespace pelmora::trading
