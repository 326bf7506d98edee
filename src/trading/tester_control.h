// The bottom row of the main panel drives the terminal's strategy tester: pause and resume
// (Button1), stop (Button2), the speed (TrackBar1), and F11 forwarding to the chart (Timer4).
#pragma once

#include "platform/platform.h"

namespace pelmora::trading {

class TesterControl {
 public:
  // Resolves its controls and wires their handlers. The platform's roles are held, not owned.
  explicit TesterControl(const platform::Platform& platform);
  TesterControl(const TesterControl&) = delete;
  TesterControl& operator=(const TesterControl&) = delete;

  // Puts the tester's speed slider where TrackBar1 stands: Home, then one Down fewer than the
  // position. Throws terminal::InvalidInteger when the first parameter is not a number.
  void SetTesterSpeed();
};

}  // namespace pelmora::trading
