// The pause button's caption and hint pairs.
#include "trading/pause_button.h"

#include "form/names.h"

namespace pelmora::trading {

void show_pause_state(platform::ControlSet& controls, PauseState state,
                      const form::HintKeys& keys) {
  const bool running = state == PauseState::kRunning;
  controls.button(form::names::kPauseButton).set_text(running ? kRunningMark : kPausedMark);
  controls.set_hint(form::names::kPauseButton,
                    keys.hint(form::names::kPauseButton,
                              running ? "Приостановить тестирование" : "Продолжить тестирование"));
}

PauseState shown_pause_state(platform::ControlSet& controls) {
  return controls.button(form::names::kPauseButton).text() == kPausedMark ? PauseState::kPaused
                                                                          : PauseState::kRunning;
}

}  // namespace pelmora::trading
