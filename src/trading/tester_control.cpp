// Tester control: clicks on the tester's buttons and keys to its slider and to the chart.
#include "trading/tester_control.h"

#include <string>
#include <string_view>

#include "platform/virtual_keys.h"
#include "shell/control_names.h"
#include "shell/refresh_panel_buttons.h"
#include "terminal/chart_windows.h"
#include "terminal/window_text.h"
#include "trading/pause_button.h"

namespace pelmora::trading {

namespace {

TesterPanelControls resolve(platform::ControlSet& c) {
  return {.window = c.window(),
          .Button1 = c.button(shell::ctl::Button1),
          .Button2 = c.button(shell::ctl::Button2),
          .TrackBar1 = c.slider(shell::ctl::TrackBar1)};
}

bool contains(const std::string& text, std::string_view mark) {
  return text.find(mark) != std::string::npos;
}

// Clears a flag when the scope ends, also by an exception.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;
  ~FlagScope() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

TesterControl::TesterControl(const platform::Platform& platform)
    : controls_(platform.controls),
      c_(resolve(platform.controls)),
      terminal_(platform.terminal),
      program_(platform.program),
      messages_(platform.messages) {
  wire_handlers(platform.controls.timer(shell::ctl::Timer4));
}

void TesterControl::wire_handlers(platform::Timer& Timer4) {
  c_.Button1.set_on_click([this] { Button1Click(); });
  c_.Button2.set_on_click([this] { Button2Click(); });
  c_.TrackBar1.set_on_change([this] { TrackBar1Change(); });
  c_.TrackBar1.set_on_key_down([this] { TrackBar1KeyDown(); });
  Timer4.set_on_tick([this] { Timer4Timer(); });
}

void TesterControl::SetTesterSpeed() {
  const platform::WindowRef slider = terminal::tester_controls_of(terminal_, program_).slider;
  terminal_.post_key(slider, platform::kVkHome);
  const int position = c_.TrackBar1.position();
  for (int i = 1; i < position; ++i) terminal_.post_key(slider, platform::kVkDown);
}

void TesterControl::Button1Click() {
  const platform::WindowRef pause = terminal::tester_controls_of(terminal_, program_).pause;
  // Both reads come before the click, so the caption shows the state the click leads to.
  if (contains(terminal::GetWindowTextOf(terminal_, pause), kRunningMark)) {
    show_pause_state(controls_, PauseState::kPaused);
  }
  if (contains(terminal::GetWindowTextOf(terminal_, pause), kPausedMark)) {
    show_pause_state(controls_, PauseState::kRunning);
  }
  terminal_.click(pause);
}

void TesterControl::Button2Click() {
  try {
    terminal_.click(terminal::tester_controls_of(terminal_, program_).stop);
  } catch (...) {
    // No tester to stop, or no chart named: stopping is a wish, not worth a message.
  }
}

void TesterControl::LoadTrackBar1Position(int position) {
  const FlagScope scope(loading_);
  c_.TrackBar1.set_position(position);
}

void TesterControl::TrackBar1Change() {
  shell::RefreshPanelButtons(controls_);
  try {
    SetTesterSpeed();
  } catch (const terminal::InvalidInteger&) {
    if (!loading_) throw;
    return;
  }
  c_.TrackBar1.set_hint(std::to_string(c_.TrackBar1.position()));
}

void TesterControl::TrackBar1KeyDown() {
  shell::RefreshPanelButtons(controls_);
}

void TesterControl::Timer4Timer() {
  // The error box of a failing tick runs its own message loop, in which this timer keeps
  // firing: the box is shown from inside the tick so that a nested tick can see it is open and
  // do nothing, and a held F11 gives one box, never a pile of them.
  if (box_open_) return;
  if (terminal_.foreground() != c_.window.ref()) return;
  if (!terminal_.key_down(platform::kVkF11)) return;
  try {
    terminal_.post_key(terminal::chart_window_of(program_.first_parameter()), platform::kVkF11);
  } catch (const terminal::InvalidInteger& e) {
    const FlagScope scope(box_open_);
    messages_.show_error(e.what());
  }
}

}  // namespace pelmora::trading
