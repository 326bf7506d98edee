// The bottom row of the main panel drives the terminal's strategy tester: pause and resume
// (Button1), stop (Button2), the speed (TrackBar1), and F11 forwarding to the chart (Timer4).
#pragma once

#include "platform/platform.h"

namespace pelmora::trading {

// The panel's own controls this feature works with; held, not owned. The tester's windows are
// never kept: every operation finds them afresh from the chart.
struct TesterPanelControls {
  platform::PanelWindow& window;
  platform::Button& Button1;
  platform::Button& Button2;
  platform::Slider& TrackBar1;
};

class TesterControl {
 public:
  // Resolves its controls and wires their handlers. The platform's roles are held, not owned.
  explicit TesterControl(const platform::Platform& platform);
  TesterControl(const TesterControl&) = delete;
  TesterControl& operator=(const TesterControl&) = delete;

  // Puts the tester's speed slider where TrackBar1 stands: Home, then one Down fewer than the
  // position. Throws terminal::InvalidInteger when the first parameter is not a number.
  void SetTesterSpeed();

  // Pauses or resumes the test; Button1 shows the state the tester enters with the click.
  // Throws terminal::InvalidInteger when the first parameter is not a number.
  void Button1Click();
  // Stops the test. Never throws: every failure on the way is ignored.
  void Button2Click();
  // Puts TrackBar1 at a stored position at start. The change sends the speed as any change
  // does, but a first parameter that is no number is left to the creation step that reads it
  // next and reports it once. Never throws.
  void LoadTrackBar1Position(int position);

  // Runs at every real change of TrackBar1's position; throws as SetTesterSpeed does.
  void TrackBar1Change();
  void TrackBar1KeyDown();
  // Passes F11 on to the chart while F11 is down and the panel has the keyboard. A first
  // parameter that is not a number then goes to the general error display, one box at a time.
  // Never throws.
  void Timer4Timer();

 private:
  void wire_handlers(platform::Timer& Timer4);

  platform::ControlSet& controls_;
  TesterPanelControls c_;
  platform::TerminalWindows& terminal_;
  const platform::Program& program_;
  platform::MessageBoxes& messages_;
  bool box_open_ = false;  // Timer4's error box is open
  bool loading_ = false;   // TrackBar1 is being put at its stored position
};

}  // namespace pelmora::trading
