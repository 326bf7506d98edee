// The shortcut keys as stored: one 32-bit value per action under the panel's settings key, the
// key code in the low byte and the modifiers in the next (0: no key).
#pragma once

#include "platform/settings_store.h"
#include "shortcuts/shortcut_keys.h"

namespace pelmora::shortcuts {

// The stored keys; nullptr (no key to read) gives the defaults. Each missing or unreadable
// value gives its action's default; a set the rules refuse as a whole gives every default.
Keys load_keys(const platform::SettingsKey* key);

// Writes the twelve values. Throws settings::SettingsWriteError at the first one the store
// refuses, or when there is no key.
void save_keys(platform::SettingsKey* key, const Keys& keys);

}  // namespace pelmora::shortcuts
