// Loading and saving the seven stored values, and the settings window's three handlers.
#include "settings/settings.h"

#include <array>
#include <string_view>

#include "common/silently.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/scaling.h"
#include "form/window_shape.h"
#include "settings/settings_key.h"

namespace pelmora::settings {

namespace names = form::names;

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
      c_{.main_panel = controls_.panel(names::kMainPanel),
         .settings_panel = controls_.panel(names::kSettingsPanel),
         .sl_tp_mode_group = controls_.radio_group(names::kSlTpModeGroup),
         .placement_group = controls_.radio_group(names::kPlacementGroup),
         .speed_group = controls_.radio_group(names::kSpeedGroup),
         .versions_group = controls_.radio_group(names::kVersionsGroup),
         .speed_slider = controls_.slider(names::kSpeedSlider)},
      store_(platform.settings),
      program_(platform.program),
      variables_(variables),
      routines_(std::move(routines)) {
  for (size_t i = 0; i < 4; ++i) {
    platform::RadioGroup& group = *groups()[i];
    group.set_on_change([this, i, &group] { model_.choices[i] = group.selected(); });
  }
  c_.main_panel.set_on_move([this] { main_moved(); });
  controls_.menu_item(names::kSettingsItem).set_on_click([this] { settings_item_clicked(); });
  controls_.button(names::kSettingsCancel).set_on_click([this] { settings_cancel_clicked(); });
  controls_.button(names::kSettingsApply).set_on_click([this] { settings_apply_clicked(); });
}

std::array<platform::RadioGroup*, 4> Settings::groups() {
  return {&c_.sl_tp_mode_group, &c_.placement_group, &c_.speed_group, &c_.versions_group};
}

// The place is kept in 96-dpi units, so that it means the same spot at every scale.
void Settings::main_moved() {
  const platform::Bounds main = c_.main_panel.bounds();
  const int dpi = controls_.window().dpi();
  model_.main_left = form::unscale(main.left, dpi);
  model_.main_top = form::unscale(main.top, dpi);
}

std::string Settings::key_suffix() const {
  std::string suffix;  // the base key itself serves when there is none
  common::silently([&] { suffix = settings_key_suffix(program_.program_path()); });
  return suffix;
}

Key Settings::open_key(bool create) const {
  const std::string path = settings_key_path(key_suffix());
  if (Key key = store_.open(platform::SettingsRoot::kMachine, path, create)) return key;
  // Without administrator rights the machine key gives no full access, and nothing redirects
  // a 64-bit program: keep the settings per user rather than lose them at every exit.
  return store_.open(platform::SettingsRoot::kUser, path, create);
}

// Reading never reports anything: a value that cannot be read takes its default, and a control
// that fails ends the loading silently.
void Settings::load_settings(bool Full) noexcept {
  common::silently([&] { load(Full); });
}

// The model takes what the controls show once loaded (a group clamps, the slider too), also
// where loading changed nothing and so raised no event.
void Settings::load(bool Full) {
  const Key key = open_key(false);
  constexpr std::string_view kChoiceNames[4] = {kSlTpSetType, kWndPosType, kTrackBarPosType,
                                                kNewVersionType};
  for (size_t i = 0; i < 4; ++i) {
    groups()[i]->select(read_or(key, kChoiceNames[i], kFirstChoice));
    model_.choices[i] = groups()[i]->selected();
  }
  if (!Full) return;
  // The variables take the stored numbers as they are; only the groups clamp.
  variables_.sl_tp_mode = read_or(key, kSlTpSetType, 0);
  // The place is stored in 96-dpi units, so that it means the same spot at every scale.
  const int dpi = controls_.window().dpi();
  const std::int32_t top = read_or(key, kWndX, 0);
  const std::int32_t left = read_or(key, kWndY, 0);
  c_.main_panel.set_position(form::scale(left, dpi), form::scale(top, dpi));
  main_moved();
  const std::int32_t speed = read_or(key, kTrackBarPos, kStandardSpeed);
  if (routines_.load_speed_position) routines_.load_speed_position(speed);
  model_.speed = c_.speed_slider.position();
  variables_.update_mode = read_or(key, kNewVersionType, 0);
}

void Settings::save_settings() {
  const Key key = open_key(true);
  const SettingsModel& m = model_;
  write(key, kSlTpSetType, m.choices[0]);
  write(key, kWndPosType, m.choices[1]);
  write(key, kTrackBarPosType, m.choices[2]);
  write(key, kNewVersionType, m.choices[3]);
  // Any choice but the first, no choice included, stores the fixed start values.
  const bool keep_place = m.choices[1] == kFirstChoice;
  write(key, kWndX, keep_place ? m.main_top : 0);
  write(key, kWndY, keep_place ? m.main_left : 0);
  const bool keep_speed = m.choices[2] == kFirstChoice;
  write(key, kTrackBarPos, keep_speed ? m.speed : kStandardSpeed);
}

void Settings::save_at_end() {
  if (saved_at_end_) return;
  saved_at_end_ = true;  // a refusal is shown once, not at every end that follows
  save_settings();
}

void Settings::settings_item_clicked() {
  form::refresh_panel_buttons(controls_);
  c_.settings_panel.set_visible(true);
  c_.main_panel.set_visible(false);
  const platform::Bounds main = c_.main_panel.bounds();
  c_.settings_panel.set_position(main.left, main.top);
  form::rebuild_window_region(controls_);
}

void Settings::settings_cancel_clicked() {
  form::refresh_panel_buttons(controls_);
  load_settings(false);
  close_window();
  form::rebuild_window_region(controls_);
}

void Settings::settings_apply_clicked() {
  form::refresh_panel_buttons(controls_);
  save_settings();
  variables_.sl_tp_mode = model_.choices[0];
  variables_.update_mode = model_.choices[3];
  close_window();
  form::rebuild_window_region(controls_);
}

// The window may have been dragged while open: main takes its last place.
void Settings::close_window() {
  c_.settings_panel.set_visible(false);
  c_.main_panel.set_visible(true);
  const platform::Bounds window = c_.settings_panel.bounds();
  c_.main_panel.set_position(window.left, window.top);
}

}  // namespace pelmora::settings
