// The shortcut keys: the panel's key event, the poll, the hints and the shortcut keys window.
#include "shortcuts/shortcuts.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "common/silently.h"
#include "form/layout.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_shape.h"
#include "platform/handler_call.h"
#include "platform/virtual_keys.h"
#include "shortcuts/stored_keys.h"
#include "terminal/chart_windows.h"

namespace pelmora::shortcuts {

namespace names = form::names;

namespace {

constexpr std::int64_t kRepeatDelayMs = 400;
constexpr std::int64_t kRepeatEveryMs = 100;

constexpr struct {
  int key;
  int modifier;
} kModifierKeys[] = {{platform::kVkShift, KeyChord::kShift},
                     {platform::kVkControl, KeyChord::kCtrl},
                     {platform::kVkAlt, KeyChord::kAlt}};

// The controls whose hints show a key, with the actions whose keys they show.
constexpr struct {
  std::string_view control;
  Action first;
  Action second;  // the same as first when there is one key
} kHinted[] = {{names::kBuyButton, Action::kBuy, Action::kBuy},
               {names::kSellButton, Action::kSell, Action::kSell},
               {names::kCloseButton, Action::kClose, Action::kClose},
               {names::kStopLevelsButton, Action::kStopLevels, Action::kStopLevels},
               {names::kTrailingButton, Action::kTrailing, Action::kTrailing},
               {names::kPauseButton, Action::kPause, Action::kPause},
               {names::kStopButton, Action::kStop, Action::kStop},
               {names::kSpeedSlider, Action::kSpeedDown, Action::kSpeedUp},
               {names::kLotSpin, Action::kLotDown, Action::kLotUp}};

Action action_at(std::size_t i) {
  return static_cast<Action>(i);
}

}  // namespace

Shortcuts::Shortcuts(const platform::Platform& platform, settings::Settings& settings,
                     form::HintKeys& hint_keys, ShortcutRoutines routines)
    : controls_(platform.controls),
      terminal_(platform.terminal),
      program_(platform.program),
      messages_(platform.messages),
      clock_(platform.clock),
      settings_(settings),
      hint_keys_(hint_keys),
      routines_(std::move(routines)) {
  controls_.window().set_on_key_press(
      [this](KeyChord chord, bool repeat) { return key_pressed(chord, repeat); });
  controls_.timer(names::kShortcutTimer).set_on_tick([this] { poll_tick(); });
  controls_.menu_item(names::kShortcutsItem).set_on_click([this] { shortcuts_item_clicked(); });
  controls_.button(names::kShortcutsDefaults).set_on_click([this] { defaults_clicked(); });
  controls_.button(names::kShortcutsCancel).set_on_click([this] { cancel_clicked(); });
  controls_.button(names::kShortcutsApply).set_on_click([this] { apply_clicked(); });
}

void Shortcuts::load() noexcept {
  common::silently([this] { keys_ = load_keys(settings_.open_key(false).get()); });
  common::silently([this] { show_hints(); });
}

bool Shortcuts::key_pressed(KeyChord chord, bool repeat) {
  if (!chord.key || !controls_.panel(names::kMainPanel).visible()) return false;
  for (std::size_t i = 0; i < kActionCount; ++i) {
    if (keys_[i] != chord) continue;
    // The poll counts this press as seen, should the terminal take the keyboard while it is held.
    if (!repeat) down_[i] = true, ran_[i] = false;
    if (!repeat || repeats(action_at(i))) routines_.run(action_at(i));
    return true;
  }
  return false;
}

// An action's failure is shown from inside the poll: the box's own message loop keeps the
// timer firing, and a nested poll sees one running and does nothing.
void Shortcuts::poll_tick() noexcept {
  if (polling_) return;
  polling_ = true;
  platform::call_reporting([this] { poll(); }, messages_);
  polling_ = false;
}

// The key state keeps a "pressed since last asked" mark as long as nobody asks: the first poll
// only takes the marks left from before the panel ran (a Shift+B typed into the terminal an hour
// ago must not buy now) and acts on none.
void Shortcuts::poll() {
  // Who has the keyboard is asked only when a key went down or is held: most polls see none,
  // and the key state is the cheaper question.
  const bool primed = std::exchange(primed_, true);
  std::optional<bool> in_front;
  const auto terminal_has_keyboard = [&] {
    if (!in_front) in_front = primed && terminal_in_front();
    return *in_front;
  };
  int held = 0;
  for (const auto& m : kModifierKeys) {
    const platform::TerminalWindows::KeyState state = terminal_.key_state(m.key);
    if (state.down || state.pressed) held |= m.modifier;
  }
  const std::int64_t now = clock_.steady_ms();
  std::map<int, platform::TerminalWindows::KeyState> states;  // each key asked once a poll
  std::vector<Action> due;
  for (std::size_t i = 0; i < kActionCount; ++i) {
    const KeyChord chord = keys_[i];
    if (!chord.key) continue;
    if (!states.contains(chord.key)) states[chord.key] = terminal_.key_state(chord.key);
    const platform::TerminalWindows::KeyState state = states[chord.key];
    const bool was_down = down_[i];
    down_[i] = state.down;
    const auto wanted = [&] { return held == chord.modifiers && terminal_has_keyboard(); };
    if (!was_down && (state.down || state.pressed)) {
      ran_[i] = wanted();
      next_repeat_[i] = now + kRepeatDelayMs;
      if (ran_[i]) due.push_back(action_at(i));
    } else if (was_down && state.down && ran_[i] && repeats(action_at(i)) &&
               now >= next_repeat_[i] && wanted()) {
      next_repeat_[i] = now + kRepeatEveryMs;
      due.push_back(action_at(i));
    }
  }
  for (const Action action : due) {
    if (controls_.panel(names::kMainPanel).visible()) routines_.run(action);
  }
}

// The panel's own keys come through its message loop; the terminal is another program, whose
// keys only the key state shows. Anything else in front gets nothing, and neither does a panel
// the following tick holds still (terminal minimised, another chart in front), as for F11.
bool Shortcuts::terminal_in_front() const {
  if (!controls_.timer(names::kF11Timer).enabled()) return false;
  const platform::WindowRef front = terminal_.foreground();
  if (front == platform::kNoWindow || front == controls_.window().ref()) return false;
  platform::WindowRef main = platform::kNoWindow;
  common::silently([&] { main = terminal::chart_chain_of(terminal_, program_).main; });
  return main != platform::kNoWindow && front == main;
}

void Shortcuts::show_hints() {
  for (const auto& h : kHinted) {
    std::string text = key_text(keys_[static_cast<std::size_t>(h.first)]);
    if (h.second != h.first) {
      const std::string second = key_text(keys_[static_cast<std::size_t>(h.second)]);
      text = text.empty() || second.empty() ? text + second : text + " / " + second;
    }
    hint_keys_.set(h.control, std::move(text));
    if (h.control == names::kPauseButton || h.control == names::kSpeedSlider) continue;
    const std::optional<form::ControlSpec> spec = form::find_control(h.control);
    controls_.set_hint(h.control, hint_keys_.hint(h.control, spec ? spec->hint : ""));
  }
  if (routines_.show_tester_hints) routines_.show_tester_hints();
}

void Shortcuts::show_keys(const Keys& keys) {
  for (std::size_t i = 0; i < kActionCount; ++i) {
    controls_.key_field(names::kShortcutFields[i]).set_chord(keys[i]);
  }
}

// As the settings window: at the main panel's place, also from an open floating panel's menu.
void Shortcuts::shortcuts_item_clicked() {
  platform::Panel& main = controls_.panel(names::kMainPanel);
  form::refresh_panel_buttons(controls_);
  platform::Panel& window = controls_.panel(names::kShortcutsPanel);
  show_keys(keys_);
  window.set_visible(true);
  main.set_visible(false);
  window.set_position(main.bounds().left, main.bounds().top);
  form::rebuild_window_region(controls_);
}

void Shortcuts::defaults_clicked() {
  show_keys(default_keys());
}

void Shortcuts::cancel_clicked() {
  form::refresh_panel_buttons(controls_);
  close_window();
  form::rebuild_window_region(controls_);
}

void Shortcuts::apply_clicked() {
  form::refresh_panel_buttons(controls_);
  Keys chosen{};
  for (std::size_t i = 0; i < kActionCount; ++i) {
    chosen[i] = controls_.key_field(names::kShortcutFields[i]).chord();
  }
  if (const std::optional<std::string> why = refusal(chosen)) {
    messages_.show_message(*why);
    return;
  }
  save_keys(settings_.open_key(true).get(), chosen);
  keys_ = chosen;
  down_ = {};
  ran_ = {};
  show_hints();
  close_window();
  form::rebuild_window_region(controls_);
}

// The window may have been dragged while open: main takes its last place.
void Shortcuts::close_window() {
  platform::Panel& window = controls_.panel(names::kShortcutsPanel);
  platform::Panel& main = controls_.panel(names::kMainPanel);
  window.set_visible(false);
  main.set_visible(true);
  main.set_position(window.bounds().left, window.bounds().top);
}

}  // namespace pelmora::shortcuts
