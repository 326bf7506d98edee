// The panel's stored settings read from outside the panel through the registry store: the key
// of the folder the panel runs from, under the machine root, or under the current user where the
// machine root refused it (the key's path is the panel's own rule for it, applied to the
// program's path). The key is deleted under both roots when this is made and when it goes, so
// that neither an earlier run nor this one leaves choices behind.
#pragma once

#include <optional>
#include <string>

#include "platform/win32/settings_store.h"
#include "platform/win32/wide.h"
#include "settings/settings_key.h"

namespace pelmora::e2e {

class StoredSettings {
 public:
  // `program` is the full path of the panel program whose key this is.
  explicit StoredSettings(const std::wstring& program)
      : path_(settings::settings_key_path(
            settings::settings_key_suffix(platform::win32::to_utf8(program)))) {
    clear();
  }
  StoredSettings(const StoredSettings&) = delete;
  StoredSettings& operator=(const StoredSettings&) = delete;
  ~StoredSettings() { clear(); }

  // A stored number; nothing when the key or the value is missing or of another type.
  std::optional<int32_t> value(std::string_view name) const {
    for (auto root : {platform::SettingsRoot::kMachine, platform::SettingsRoot::kUser}) {
      if (const auto key = store_.open(root, path_, false)) return key->read(name);
    }
    return std::nullopt;
  }

 private:
  void clear() const {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      RegDeleteKeyExW(root, platform::win32::to_wide(path_).c_str(), KEY_WOW64_32KEY, 0);
    }
  }

  std::string path_;
  mutable platform::win32::Win32SettingsStore store_;
};

}  // namespace pelmora::e2e
