// The chart chain and the tester's controls.
#include "terminal/chart_windows.h"

#include <cstdint>
#include <string>

#include "common/whole_number.h"
#include "terminal/find_window_by_text.h"

namespace pelmora::terminal {

using platform::kNoWindow;
using platform::TerminalWindows;
using platform::WindowRef;

InvalidInteger::InvalidInteger(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' is not a valid integer value") {}

bool is_test_value(std::string_view parameter) {
  return parameter == kTestValue;
}

WindowRef chart_window_of(std::string_view parameter) {
  // The test value names no terminal, even where the system would take 100 for a handle.
  if (is_test_value(parameter)) return kNoWindow;
  const std::optional<int32_t> value = common::read_whole_number(parameter);
  if (!value) throw InvalidInteger(parameter);
  // Window handles are 32-bit values, sign-extended on 64-bit systems.
  return static_cast<WindowRef>(static_cast<std::intptr_t>(*value));
}

ChartChain chart_chain(const TerminalWindows& terminal, WindowRef chart) {
  ChartChain chain;
  chain.chart = chart;
  if (chart == kNoWindow) return chain;
  chain.frame = terminal.parent(chart);
  if (chain.frame == kNoWindow) return chain;
  chain.area = terminal.parent(chain.frame);
  if (chain.area == kNoWindow) return chain;
  chain.main = terminal.parent(chain.area);
  return chain;
}

ChartChain chart_chain_of(const TerminalWindows& terminal, const platform::Program& program) {
  return chart_chain(terminal, chart_window_of(program.first_parameter()));
}

WindowRef steps_back(const TerminalWindows& terminal, WindowRef window, int steps) {
  for (int i = 0; i < steps && window != kNoWindow; ++i) window = terminal.previous_sibling(window);
  return window;
}

TesterControls find_tester_controls(const TerminalWindows& terminal, WindowRef main) {
  TesterControls controls;
  controls.stop = find_window_by_text(terminal, main, kStopButtonText);
  if (controls.stop == kNoWindow) return controls;
  controls.pause = steps_back(terminal, controls.stop, kPauseButtonSteps);
  controls.slider = steps_back(terminal, controls.pause, kSpeedSliderSteps - kPauseButtonSteps);
  return controls;
}

TesterControls tester_controls_of(const TerminalWindows& terminal,
                                  const platform::Program& program) {
  return find_tester_controls(terminal, chart_chain_of(terminal, program).main);
}

}  // namespace pelmora::terminal
