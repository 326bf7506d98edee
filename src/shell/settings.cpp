// Loading and saving the seven stored values, and the settings window's three handlers.
#include "shell/settings.h"

#include <array>
#include <string_view>

#include "shell/control_names.h"
#include "shell/refresh_panel_buttons.h"
#include "shell/scaling.h"
#include "shell/settings_key.h"
#include "shell/window_shape.h"

namespace pelmora::shell {

namespace {

constexpr std::string_view kSlTpSetType = "SL_TP_Set_Type";
constexpr std::string_view kWndPosType = "WND_POS_Type";
constexpr std::string_view kTrackBarPosType = "TrackBarPos_Type";
constexpr std::string_view kNewVersionType = "NewVersion_Type";
// WND_X holds the Top and WND_Y the Left: stored keys have always had it so.
constexpr std::string_view kWndX = "WND_X";
constexpr std::string_view kWndY = "WND_Y";
constexpr std::string_view kTrackBarPos = "TrackBarPos";

constexpr int kFirstChoice = 0;

using Key = std::unique_ptr<platform::SettingsKey>;

std::int32_t read_or(const Key& key, std::string_view name, std::int32_t fallback) {
  if (!key) return fallback;
  return key->read(name).value_or(fallback);
}

void write(const Key& key, std::string_view name, std::int32_t value) {
  if (!key || !key->write(name, value)) {
    throw SettingsWriteError("Failed to set data for '" + std::string(name) + "'");
  }
}

}  // namespace

Settings::Settings(const platform::Platform& platform, SettingVariables& variables,
                   SettingsRoutines routines)
    : controls_(platform.controls),
      c_{.main = controls_.panel(ctl::main),
         .Properties = controls_.panel(ctl::Properties),
         .RadioGroup1 = controls_.radio_group(ctl::RadioGroup1),
         .RadioGroup2 = controls_.radio_group(ctl::RadioGroup2),
         .RadioGroup3 = controls_.radio_group(ctl::RadioGroup3),
         .RadioGroup4 = controls_.radio_group(ctl::RadioGroup4),
         .TrackBar1 = controls_.slider(ctl::TrackBar1)},
      store_(platform.settings),
      program_(platform.program),
      variables_(variables),
      routines_(std::move(routines)) {
  controls_.menu_item(ctl::N3).set_on_click([this] { N3Click(); });
  controls_.button(ctl::Button12).set_on_click([this] { Button12Click(); });
  controls_.button(ctl::Button13).set_on_click([this] { Button13Click(); });
}

std::string Settings::SettingsKeySuffix() const {
  try {
    return settings_key_suffix(program_.program_path());
  } catch (...) {
    return {};  // the base key itself serves
  }
}

Key Settings::open_key(bool create) const {
  const std::string path = settings_key_path(SettingsKeySuffix());
  if (Key key = store_.open(platform::SettingsRoot::kMachine, path, create)) return key;
  // Without administrator rights the machine key gives no full access, and nothing redirects
  // a 64-bit program: keep the settings per user rather than lose them at every exit.
  return store_.open(platform::SettingsRoot::kUser, path, create);
}

void Settings::LoadSettings(bool Full) {
  const Key key = open_key(false);
  c_.RadioGroup1.select(read_or(key, kSlTpSetType, kFirstChoice));
  c_.RadioGroup2.select(read_or(key, kWndPosType, kFirstChoice));
  c_.RadioGroup3.select(read_or(key, kTrackBarPosType, kFirstChoice));
  c_.RadioGroup4.select(read_or(key, kNewVersionType, kFirstChoice));
  if (!Full) return;
  // The variables take the stored numbers as they are; only the groups clamp.
  variables_.SlTpSetType = read_or(key, kSlTpSetType, 0);
  // The place is stored in 96-dpi units, so that it means the same spot at every scale.
  const int dpi = controls_.window().dpi();
  const std::int32_t top = read_or(key, kWndX, 0);
  const std::int32_t left = read_or(key, kWndY, 0);
  c_.main.set_position(scale(left, dpi), scale(top, dpi));
  const std::int32_t speed = read_or(key, kTrackBarPos, kStandardSpeed);
  if (routines_.LoadTrackBar1Position) routines_.LoadTrackBar1Position(speed);
  variables_.NewVersionType = read_or(key, kNewVersionType, 0);
}

void Settings::SaveSettings() {
  const Key key = open_key(true);
  write(key, kSlTpSetType, c_.RadioGroup1.selected());
  write(key, kWndPosType, c_.RadioGroup2.selected());
  write(key, kTrackBarPosType, c_.RadioGroup3.selected());
  write(key, kNewVersionType, c_.RadioGroup4.selected());
  // Any choice but the first, no choice included, stores the fixed start values.
  const bool keep_place = c_.RadioGroup2.selected() == kFirstChoice;
  const platform::Bounds main = c_.main.bounds();
  const int dpi = controls_.window().dpi();
  write(key, kWndX, keep_place ? unscale(main.top, dpi) : 0);
  write(key, kWndY, keep_place ? unscale(main.left, dpi) : 0);
  const bool keep_speed = c_.RadioGroup3.selected() == kFirstChoice;
  write(key, kTrackBarPos, keep_speed ? c_.TrackBar1.position() : kStandardSpeed);
}

void Settings::N3Click() {
  RefreshPanelButtons(controls_);
  c_.Properties.set_visible(true);
  c_.main.set_visible(false);
  const platform::Bounds main = c_.main.bounds();
  c_.Properties.set_position(main.left, main.top);
  RebuildWindowRegion(controls_);
}

void Settings::Button12Click() {
  RefreshPanelButtons(controls_);
  LoadSettings(false);
  close_window();
  RebuildWindowRegion(controls_);
}

void Settings::Button13Click() {
  RefreshPanelButtons(controls_);
  SaveSettings();
  variables_.SlTpSetType = c_.RadioGroup1.selected();
  variables_.NewVersionType = c_.RadioGroup4.selected();
  close_window();
  RebuildWindowRegion(controls_);
}

// The window may have been dragged while open: main takes its last place.
void Settings::close_window() {
  c_.Properties.set_visible(false);
  c_.main.set_visible(true);
  const platform::Bounds window = c_.Properties.bounds();
  c_.main.set_position(window.left, window.top);
}

}  // namespace pelmora::shell
