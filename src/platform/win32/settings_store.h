// The settings store in the registry: REG_DWORD values under keys opened with full access in
// the 32-bit view, so that 64-bit and 32-bit builds share one stored key.
#pragma once

#include <windows.h>

#include "platform/settings_store.h"

namespace pelmora::platform::win32 {

// Which registry keys stand for the two roots; a test may point them elsewhere. Held, not
// owned: a key given here must stay open while the store is used.
struct SettingsRoots {
  HKEY machine = HKEY_LOCAL_MACHINE;
  HKEY user = HKEY_CURRENT_USER;
};

class Win32SettingsStore final : public SettingsStore {
 public:
  explicit Win32SettingsStore(SettingsRoots roots = {}) : roots_(roots) {}
  std::unique_ptr<SettingsKey> open(SettingsRoot root, std::string_view path,
                                    bool create) noexcept override;

 private:
  SettingsRoots roots_;
};

}  // namespace pelmora::platform::win32
