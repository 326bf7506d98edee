// The settings store: named 32-bit values under a key path below one of two roots, the
// machine-wide one and the current user's. Keys are opened per use and close themselves.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace pelmora::platform {

enum class SettingsRoot { kMachine, kUser };

// An open key. Closing it (destroying the object) never fails.
class SettingsKey {
 public:
  virtual ~SettingsKey() = default;
  // The value stored as a 32-bit number under `name`; nothing when it is missing or of another
  // type.
  virtual std::optional<std::int32_t> read(std::string_view name) const = 0;
  // Stores `value` under `name` as a 32-bit number; false when the store refuses.
  virtual bool write(std::string_view name, std::int32_t value) = 0;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens the key at `path` (no leading separator) under `root` with full access, creating it
  // (and the keys above it) first when `create` is set. Nothing when the key is missing (and
  // not to be created) or the store refuses full access.
  virtual std::unique_ptr<SettingsKey> open(SettingsRoot root, std::string_view path,
                                            bool create) noexcept = 0;
};

}  // namespace pelmora::platform
