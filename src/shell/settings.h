// The settings: four two-choice preferences, the main panel's place and the speed slider's
// position, loaded at start and on cancel, saved on apply and at the end; and the settings
// window (Properties) that shows the preferences in place of the main panel.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/platform.h"
#include "shell/setting_variables.h"

namespace pelmora::shell {

// The speed position written for "start with the standard speed" and used when none is stored.
inline constexpr std::int32_t kStandardSpeed = 24;

// A value the store would not take; its text names the value.
class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SettingsRoutines {
  // Puts TrackBar1 at a loaded position; a real change sends the speed to the tester.
  // Never throws.
  std::function<void(int position)> LoadTrackBar1Position;
};

class Settings {
 public:
  // Resolves its controls and wires N3, Button12 and Button13. The platform's roles and the
  // variables are held, not owned.
  Settings(const platform::Platform& platform, SettingVariables& variables,
           SettingsRoutines routines);
  Settings(const Settings&) = delete;
  Settings& operator=(const Settings&) = delete;

  // The four choices into the radio groups; with Full also the variables, the main panel's
  // place and the slider's position. Each value that cannot be read takes its default on its
  // own. Never throws.
  void LoadSettings(bool Full);
  // Writes the seven values. Throws SettingsWriteError at the first value the store refuses.
  void SaveSettings();
  // The key's suffix from the program file's folder; empty when it cannot be worked out.
  std::string SettingsKeySuffix() const;

  // Opens the settings window in the main panel's place.
  void N3Click();
  // Cancel: the choices go back to the stored ones and the window closes. Never throws.
  void Button12Click();
  // Apply: saves, takes the two preferences that act at once, closes the window. When saving
  // fails it throws as SaveSettings does, and the window stays open.
  void Button13Click();

 private:
  struct Controls {
    platform::Panel& main;
    platform::Panel& Properties;
    platform::RadioGroup& RadioGroup1;
    platform::RadioGroup& RadioGroup2;
    platform::RadioGroup& RadioGroup3;
    platform::RadioGroup& RadioGroup4;
    platform::Slider& TrackBar1;
  };

  std::unique_ptr<platform::SettingsKey> open_key(bool create) const;
  void close_window();

  platform::ControlSet& controls_;
  Controls c_;
  platform::SettingsStore& store_;
  const platform::Program& program_;
  SettingVariables& variables_;
  SettingsRoutines routines_;
};

}  // namespace pelmora::shell
