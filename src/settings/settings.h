// The settings: four two-choice preferences, the main panel's place and the speed slider's
// position, loaded at start and on cancel, saved on apply and at the end; and the settings
// window that shows the preferences in place of the main panel.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/platform.h"
#include "settings/setting_variables.h"

namespace pelmora::settings {

// The speed position written for "start with the standard speed" and used when none is stored.
inline constexpr std::int32_t kStandardSpeed = 24;

// A value the store would not take; its text names the value.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a save writes, kept current by the controls' events as the user and the program change
// them: a save at the end never reads a window that may be gone already.
struct SettingsModel {
  std::int32_t choices[4] = {0, 0, 0, 0};  // the four groups: -1 (none), 0 or 1
  std::int32_t main_left = 0;              // the main panel's place in 96-dpi units
  std::int32_t main_top = 0;
  std::int32_t speed = kStandardSpeed;  // the speed slider's position
};

struct SettingsRoutines {
  // Puts the speed slider at a loaded position; a real change sends the speed to the tester.
  // Reports nothing.
  std::function<void(int position)> load_speed_position;
};

class Settings {
 public:
  // Resolves its controls and wires the menu item, "Отмена" and "Применить". The
  // platform's roles and the variables are held, not owned.
  Settings(const platform::Platform& platform, SettingVariables& variables,
           SettingsRoutines routines);
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // The four choices into the radio groups; with Full also the variables, the main panel's
  // place and the slider's position. Each value that cannot be read takes its default on its
  // own; nothing is reported.
  void load_settings(bool Full) noexcept;
  // Writes the seven values from the model. Throws SettingsWriteError at the first value the
  // store refuses.
  void save_settings();
  // The save at the end of the program, once, whichever end comes first (the session's end, the
  // chart's going, the form's destruction); later calls do nothing. Throws as save_settings.
  void save_at_end();
  // The speed slider stands at `position` now.
  void speed_moved(int position) { model_.speed = position; }
  const SettingsModel& model() const { return model_; }
  // The key's suffix from the program file's folder; empty when it cannot be worked out.
  std::string key_suffix() const;

  // The panel's settings key, the machine's or else the user's; nullptr when neither opens.
  std::unique_ptr<platform::SettingsKey> open_key(bool create) const;

  // Opens the settings window in the main panel's place.
  void settings_item_clicked();
  // Cancel: the choices go back to the stored ones and the window closes.
  void settings_cancel_clicked();
  // Apply: saves, takes the two preferences that act at once, closes the window. When saving
  // fails it throws as save_settings does, and the window stays open.
  void settings_apply_clicked();

 private:
  struct Controls {
    platform::Panel& main_panel;
    platform::Panel& settings_panel;
    platform::RadioGroup& sl_tp_mode_group;
    platform::RadioGroup& placement_group;
    platform::RadioGroup& speed_group;
    platform::RadioGroup& versions_group;
    platform::Slider& speed_slider;
  };

  void load(bool Full);
  void main_moved();
  // The four groups in the order of the model's choices.
  std::array<platform::RadioGroup*, 4> groups();
  void close_window();

  platform::ControlSet& controls_;
  Controls c_;
  platform::SettingsStore& store_;
  const platform::Program& program_;
  SettingVariables& variables_;
  SettingsRoutines routines_;
  SettingsModel model_;
  bool saved_at_end_ = false;
};

}  // namespace pelmora::settings
