// The two states of the panel's pause button and the tester's captions that go with
// them: "| |" while the test runs (a click pauses it), ">>" while it is paused.
#pragma once

#include <string_view>

#include "form/hint_keys.h"
#include "platform/control_set.h"

namespace pelmora::trading {

// Marks looked for inside the tester's pause-button text.
inline constexpr std::string_view kRunningMark = "| |";
inline constexpr std::string_view kPausedMark = ">>";

enum class PauseState { kRunning, kPaused };

// Gives the pause button the caption and hint of `state`: "| |" / "Приостановить тестирование" or
// ">>" / "Продолжить тестирование", the hint followed by the button's shortcut key.
void show_pause_state(platform::ControlSet& controls, PauseState state, const form::HintKeys& keys);
// The state the pause button shows now.
PauseState shown_pause_state(platform::ControlSet& controls);

}  // namespace pelmora::trading
