// Shortcut keys for the trading and tester actions: pressed in the panel (its message loop) or
// while the terminal has the keyboard (polled), each runs its action as its control does; and
// the shortcut keys window, which shows and changes them in the main panel's place.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "form/hint_keys.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "shortcuts/shortcut_keys.h"

namespace pelmora::shortcuts {

struct ShortcutRoutines {
  // Runs the action as its button, menu item, slider or spin pair would, when that control can
  // be used now; throws what the control's handler throws.
  std::function<void(Action)> run;
  // Writes the hints the tester control keeps (the pause button's, the slider's) anew.
  std::function<void()> show_tester_hints;
};

class Shortcuts {
 public:
  // Resolves its controls and wires the menu item, the window's buttons, the panel's key event
  // and the poll timer. Everything passed in is held, not owned.
  Shortcuts(const platform::Platform& platform, settings::Settings& settings,
            form::HintKeys& hint_keys, ShortcutRoutines routines);
  Shortcuts(const Shortcuts&) = delete;
  Shortcuts& operator=(const Shortcuts&) = delete;

  // Takes the stored keys (the defaults where none can be read) and shows them in the hints.
  void load() noexcept;
  const Keys& keys() const { return keys_; }

  // A key pressed in the panel: taken when it is an action's key while the main panel shows
  // (the action runs; a held trade key's auto-repeat is swallowed). Otherwise the key goes on
  // to the control, so the shortcut keys window's fields get every key.
  bool key_pressed(KeyChord chord, bool repeat);
  // The poll: keys pressed while the terminal's main window, or anything inside it, has the
  // keyboard. One action per press; a held speed or lot key repeats after 400 ms, every 100 ms.
  void poll_tick() noexcept;

  void shortcuts_item_clicked();  // opens the window in the main panel's place
  void defaults_clicked();        // the fields show the default keys
  void cancel_clicked();          // closes the window; nothing changes
  // Refuses a set the rules refuse, with a message naming why, and stays open; otherwise
  // stores the keys (throws settings::SettingsWriteError and stays open when the store refuses),
  // takes them at once and closes.
  void apply_clicked();

 private:
  void poll();
  bool terminal_in_front() const;
  void show_hints();
  void show_keys(const Keys& keys);
  void close_window();

  platform::ControlSet& controls_;
  platform::TerminalWindows& terminal_;
  const platform::Program& program_;
  platform::MessageBoxes& messages_;
  const platform::Clock& clock_;
  settings::Settings& settings_;
  form::HintKeys& hint_keys_;
  ShortcutRoutines routines_;
  Keys keys_ = default_keys();
  // What the poll saw of each action's key: down at the last poll; whether this press ran the
  // action (only such a press repeats); when it repeats next.
  std::array<bool, kActionCount> down_{};
  std::array<bool, kActionCount> ran_{};
  std::array<std::int64_t, kActionCount> next_repeat_{};
  bool polling_ = false;  // a poll (and any box an action shows) is running
  bool primed_ = false;   // the first poll has taken the key state's old marks
};

}  // namespace pelmora::shortcuts
