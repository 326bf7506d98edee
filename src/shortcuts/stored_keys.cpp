// Reading and writing the twelve stored shortcut values.
#include "shortcuts/stored_keys.h"

#include <string>
#include <string_view>

#include "settings/settings.h"

namespace pelmora::shortcuts {

namespace {

constexpr std::string_view kValueNames[kActionCount] = {
    "Key_Buy",   "Key_Sell", "Key_Close",     "Key_CloseAll", "Key_TpSl",    "Key_Tsl",
    "Key_Pause", "Key_Stop", "Key_SpeedDown", "Key_SpeedUp",  "Key_LotDown", "Key_LotUp"};

constexpr int kModifierShift = 8;
constexpr int kAllModifiers = KeyChord::kShift | KeyChord::kCtrl | KeyChord::kAlt;

// A value names a key code of 1 to 254 and known modifiers only, or no key at all.
std::optional<KeyChord> chord_of(std::int32_t value) {
  if (value == 0) return KeyChord{};
  const int key = value & 0xFF;
  const int modifiers = value >> kModifierShift;
  if (key == 0 || key == 0xFF || modifiers < 0 || (modifiers & ~kAllModifiers)) {
    return std::nullopt;
  }
  return KeyChord{.key = key, .modifiers = modifiers};
}

}  // namespace

Keys load_keys(const platform::SettingsKey* key) {
  const Keys defaults = default_keys();
  if (!key) return defaults;
  Keys keys = defaults;
  for (std::size_t i = 0; i < kActionCount; ++i) {
    if (const std::optional<std::int32_t> value = key->read(kValueNames[i])) {
      keys[i] = chord_of(*value).value_or(defaults[i]);
    }
  }
  return refusal(keys) ? defaults : keys;
}

void save_keys(platform::SettingsKey* key, const Keys& keys) {
  for (std::size_t i = 0; i < kActionCount; ++i) {
    const std::int32_t value = keys[i].key ? keys[i].key | keys[i].modifiers << kModifierShift : 0;
    if (!key || !key->write(kValueNames[i], value)) {
      throw settings::SettingsWriteError("Failed to set data for '" + std::string(kValueNames[i]) +
                                         "'");
    }
  }
}

}  // namespace pelmora::shortcuts
