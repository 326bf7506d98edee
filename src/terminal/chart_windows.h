// The terminal's windows the panel relies on, all found afresh from the chart window that the
// first command-line parameter names: the chain of three parents above the chart and the
// tester's stop button, pause button and speed slider. Nothing here is remembered.
#pragma once

#include <stdexcept>
#include <string_view>

#include "platform/program.h"
#include "platform/terminal_windows.h"

namespace pelmora::terminal {

// The parameter with which the panel runs without a terminal, its exchange fields in view.
inline constexpr std::string_view kTestValue = "100";
// The tester's stop button reads exactly this; the pause button and the speed slider are this
// many previous-sibling steps before it.
inline constexpr std::string_view kStopButtonText = "Стоп";
inline constexpr int kPauseButtonSteps = 3;
inline constexpr int kSpeedSliderSteps = 4;
// A top-level window captioned this followed by the parameter tells the panel to end.
inline constexpr std::string_view kEndCaptionPrefix = "Tarsel";

// The first parameter is not a whole number; what() is the text of the error box.
class InvalidInteger : public std::runtime_error {
 public:
  explicit InvalidInteger(std::string_view text);
};

bool is_test_value(std::string_view parameter);

// The chart window named by the parameter: a 32-bit signed decimal number (leading blanks and
// a sign allowed), taken as the window handle it denotes, so a negative number is the handle
// whose 32-bit form it is. Throws InvalidInteger for anything else, empty text included.
platform::WindowRef chart_window_of(std::string_view parameter);

struct ChartChain {
  platform::WindowRef chart = platform::kNoWindow;
  platform::WindowRef frame = platform::kNoWindow;  // the chart's parent; titled while open
  platform::WindowRef area = platform::kNoWindow;   // the frame's parent; the panel covers it
  platform::WindowRef main = platform::kNoWindow;   // the terminal main window
};

// Walks up from the chart; a missing link makes it and everything above it kNoWindow.
ChartChain chart_chain(const platform::TerminalWindows& terminal, platform::WindowRef chart);
// The same from the program's first parameter (throws InvalidInteger).
ChartChain chart_chain_of(const platform::TerminalWindows& terminal,
                          const platform::Program& program);

struct TesterControls {
  platform::WindowRef stop = platform::kNoWindow;
  platform::WindowRef pause = platform::kNoWindow;
  platform::WindowRef slider = platform::kNoWindow;
};

// `steps` previous-sibling steps from `window`; kNoWindow once a step finds none.
platform::WindowRef steps_back(const platform::TerminalWindows& terminal,
                               platform::WindowRef window, int steps);
// The tester's controls below the terminal main window; each kNoWindow when not found.
TesterControls find_tester_controls(const platform::TerminalWindows& terminal,
                                    platform::WindowRef main);
// The same from the program's first parameter (throws InvalidInteger).
TesterControls tester_controls_of(const platform::TerminalWindows& terminal,
                                  const platform::Program& program);

}  // namespace pelmora::terminal
