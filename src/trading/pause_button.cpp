// Button1's caption and hint pairs.
#include "trading/pause_button.h"

#include "shell/control_names.h"

namespace pelmora::trading {

void show_pause_state(platform::ControlSet& controls, PauseState state) {
  const bool running = state == PauseState::kRunning;
  controls.button(shell::ctl::Button1).set_text(running ? kRunningMark : kPausedMark);
  controls.set_hint(shell::ctl::Button1,
                    running ? "Приостановить тестирование" : "Продолжить тестирование");
}

}  // namespace pelmora::trading
