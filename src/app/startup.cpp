// The creation and show sequences, step by step in their fixed order.
#include "app/startup.h"

#include <string>

#include "common/fixed_text.h"
#include "common/silently.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_shape.h"
#include "link/exchange_fields.h"
#include "platform/handler_call.h"
#include "platform/virtual_keys.h"
#include "terminal/chart_windows.h"
#include "terminal/text_of_window.h"
#include "trading/pause_button.h"

namespace pelmora::app {

namespace {

// End puts the tester's speed at its last position; these Ups bring it back from there.
constexpr int kSpeedStepsBack = 6;

void run(const platform::Handler& routine) {
  if (routine) routine();
}

}  // namespace

StartUp::StartUp(const platform::Platform& platform, const link::OrderVariables& order,
                 const form::HintKeys& keys, StartUpRoutines routines)
    : c_(platform.controls),
      terminal_(platform.terminal),
      program_(platform.program),
      messages_(platform.messages),
      order_(order),
      keys_(keys),
      routines_(std::move(routines)) {}

// What escapes the creation handler goes to the general error box, as it would from any
// handler; the program carries on.
void StartUp::on_create() noexcept {
  platform::call_reporting([this] { create_steps(); }, messages_);
}

void StartUp::create_steps() {
  form::refresh_panel_buttons(c_);
  run(routines_.load_settings);
  const terminal::TesterControls tester = terminal::tester_controls_of(terminal_, program_);
  terminal_.post_key(tester.slider, platform::kVkEnd);
  for (int i = 0; i < kSpeedStepsBack; ++i) terminal_.post_key(tester.slider, platform::kVkUp);
}

void StartUp::on_show() noexcept {
  common::silently([this] { show_steps(); });
}

void StartUp::show_steps() {
  form::refresh_panel_buttons(c_);
  run(routines_.send_speed_to_tester);
  const std::string parameter = program_.first_parameter();
  const terminal::TesterControls tester = terminal::tester_controls_of(terminal_, program_);
  synchronise_pause_button(tester.pause);
  if (!terminal::is_test_value(parameter)) move_out_of_sight();
  run(routines_.update_selected_order);
  // The terminal side's way of telling the panel to go; the rest still runs, and the program
  // closes as soon as its message loop runs.
  const std::string end_caption = std::string(terminal::kEndCaptionPrefix) + parameter;
  if (terminal_.find_top_level(end_caption) != platform::kNoWindow) program_.quit();
  platform::PanelWindow& window = c_.window();
  // Once the owner window sits in the chart frame, hiding, restyling and attaching it again
  // change nothing, and re-parenting a window inside the terminal's window tree waits for the
  // terminal's thread without bound: a hung terminal held the panel's timers there.
  const bool attached = owner_in_chart_frame();
  if (!attached) window.make_tool_window();
  window.set_caption(std::string(link::kCaptionPrefix) + parameter);
  if (!attached) attach_to_terminal();
  c_.edit(form::names::kLotField).set_text(common::lot_text(order_.lot_step));
  form::rebuild_window_region(c_);
}

void StartUp::synchronise_pause_button(platform::WindowRef tester_pause) {
  using trading::PauseState;
  // Two tests in turn, each on a fresh read: a caption that holds both marks ends as paused.
  if (terminal::window_text_of(terminal_, tester_pause).find(trading::kRunningMark) !=
      std::string::npos) {
    trading::show_pause_state(c_, PauseState::kRunning, keys_);
  }
  if (terminal::window_text_of(terminal_, tester_pause).find(trading::kPausedMark) !=
      std::string::npos) {
    trading::show_pause_state(c_, PauseState::kPaused, keys_);
  }
}

void StartUp::move_out_of_sight() {
  c_.window().set_left(kOutOfSight);
  for (const link::ExchangeFieldId& field : link::kExchangeFields) {
    platform::Edit& edit = c_.edit(field.name);
    edit.set_position(kOutOfSight, edit.bounds().top);
  }
}

platform::WindowRef StartUp::chart_frame() const noexcept {
  platform::WindowRef frame = platform::kNoWindow;
  common::silently(
      [&] { frame = terminal_.parent(terminal::chart_window_of(program_.first_parameter())); });
  return frame;
}

bool StartUp::owner_in_chart_frame() const {
  const platform::WindowRef frame = chart_frame();
  return frame != platform::kNoWindow && c_.window().owner_parent() == frame;
}

// A failure leaves the owner window unattached: the panel keeps running on its own.
void StartUp::attach_to_terminal() noexcept {
  common::silently([this] {
    const platform::WindowRef frame = chart_frame();
    // With no chart frame there is nothing to attach to; the owner window stays as it is.
    if (frame == platform::kNoWindow || c_.window().owner_parent() == frame) return;
    c_.window().attach_owner_to(frame);
  });
}

}  // namespace pelmora::app
