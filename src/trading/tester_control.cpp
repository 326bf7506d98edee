// Tester control: clicks on the tester's buttons and keys to its slider and to the chart.
#include "trading/tester_control.h"

#include <string>
#include <string_view>

#include "common/silently.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "platform/handler_call.h"
#include "platform/virtual_keys.h"
#include "terminal/chart_windows.h"
#include "terminal/text_of_window.h"
#include "trading/pause_button.h"

namespace pelmora::trading {

namespace {

TesterPanelControls resolve(platform::ControlSet& c) {
  return {.window = c.window(),
          .pause_button = c.button(form::names::kPauseButton),
          .stop_button = c.button(form::names::kStopButton),
          .speed_slider = c.slider(form::names::kSpeedSlider)};
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

TesterControl::TesterControl(const platform::Platform& platform, const form::HintKeys& keys,
                             std::function<void(int position)> speed_moved)
    : controls_(platform.controls),
      c_(resolve(platform.controls)),
      terminal_(platform.terminal),
      program_(platform.program),
      messages_(platform.messages),
      keys_(keys),
      speed_moved_(std::move(speed_moved)) {
  wire_handlers(platform.controls.timer(form::names::kF11Timer));
}

void TesterControl::wire_handlers(platform::Timer& f11_timer) {
  c_.pause_button.set_on_click([this] { pause_clicked(); });
  c_.stop_button.set_on_click([this] { stop_clicked(); });
  c_.speed_slider.set_on_change([this] { speed_changed(); });
  c_.speed_slider.set_on_key_down([this] { speed_key_down(); });
  f11_timer.set_on_tick([this] { f11_tick(); });
}

void TesterControl::send_speed_to_tester() {
  const platform::WindowRef slider = terminal::tester_controls_of(terminal_, program_).slider;
  terminal_.post_key(slider, platform::kVkHome);
  const int position = c_.speed_slider.position();
  for (int i = 1; i < position; ++i) terminal_.post_key(slider, platform::kVkDown);
}

void TesterControl::pause_clicked() {
  const platform::WindowRef pause = terminal::tester_controls_of(terminal_, program_).pause;
  // Both reads come before the click, so the caption shows the state the click leads to.
  if (contains(terminal::window_text_of(terminal_, pause), kRunningMark)) {
    show_pause_state(controls_, PauseState::kPaused, keys_);
  }
  if (contains(terminal::window_text_of(terminal_, pause), kPausedMark)) {
    show_pause_state(controls_, PauseState::kRunning, keys_);
  }
  terminal_.click(pause);
}

// No tester to stop, or no chart named: stopping is a wish, not worth a message.
void TesterControl::stop_clicked() noexcept {
  common::silently(
      [this] { terminal_.click(terminal::tester_controls_of(terminal_, program_).stop); });
}

void TesterControl::load_speed_position(int position) noexcept {
  const FlagScope scope(loading_);
  common::silently([&] { c_.speed_slider.set_position(position); });
}

void TesterControl::speed_changed() {
  if (speed_moved_) speed_moved_(c_.speed_slider.position());
  form::refresh_panel_buttons(controls_);
  try {
    send_speed_to_tester();
  } catch (const terminal::InvalidInteger&) {
    // While the stored position is loaded, the creation step that reads the parameter next
    // reports it; any other time it goes to the error box like every handler's failure.
    if (!loading_) throw;
    return;
  }
  speed_hinted_ = true;
  show_hints();
}

void TesterControl::show_hints() {
  show_pause_state(controls_, shown_pause_state(controls_), keys_);
  const std::string position =
      speed_hinted_ ? std::to_string(c_.speed_slider.position()) : std::string();
  c_.speed_slider.set_hint(keys_.hint(form::names::kSpeedSlider, position));
}

void TesterControl::speed_key_down() {
  form::refresh_panel_buttons(controls_);
}

// The error box of a failing tick runs its own message loop, in which this timer keeps firing:
// the failure is shown from inside the tick, so that a nested tick sees one running and does
// nothing, and a held F11 gives one box, never a pile of them.
void TesterControl::f11_tick() noexcept {
  if (ticking_) return;
  const FlagScope scope(ticking_);
  platform::call_reporting([this] { forward_f11(); }, messages_);
}

void TesterControl::forward_f11() {
  if (terminal_.foreground() != c_.window.ref()) return;
  if (!terminal_.key_down(platform::kVkF11)) return;
  terminal_.post_key(terminal::chart_window_of(program_.first_parameter()), platform::kVkF11);
}

}  // namespace pelmora::trading
