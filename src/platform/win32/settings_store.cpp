// Registry keys for the settings: one system call per operation, the value type checked on
// reading.
#include "platform/win32/settings_store.h"

#include "platform/win32/registry_key.h"
#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {

// Full access, in the 32-bit view whatever this build's width.
constexpr REGSAM kAccess = KEY_ALL_ACCESS | KEY_WOW64_32KEY;

class RegistrySettingsKey final : public SettingsKey {
 public:
  explicit RegistrySettingsKey(UniqueKey key) : key_(std::move(key)) {}

  std::optional<std::int32_t> read(std::string_view name) const override {
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG result = RegQueryValueExW(key_.get(), to_wide(name).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(&value), &size);
    if (result != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return std::nullopt;
    return static_cast<std::int32_t>(value);
  }

  bool write(std::string_view name, std::int32_t value) override {
    const auto dword = static_cast<DWORD>(value);
    return RegSetValueExW(key_.get(), to_wide(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&dword), sizeof dword) == ERROR_SUCCESS;
  }

 private:
  UniqueKey key_;
};

}  // namespace

std::unique_ptr<SettingsKey> Win32SettingsStore::open(SettingsRoot root, std::string_view path,
                                                      bool create) noexcept {
  const HKEY parent = root == SettingsRoot::kMachine ? roots_.machine : roots_.user;
  const std::wstring wide_path = to_wide(path);
  HKEY key = nullptr;
  const LONG result =
      create ? RegCreateKeyExW(parent, wide_path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                               kAccess, nullptr, &key, nullptr)
             : RegOpenKeyExW(parent, wide_path.c_str(), 0, kAccess, &key);
  if (result != ERROR_SUCCESS) return nullptr;
  return std::make_unique<RegistrySettingsKey>(UniqueKey(key));
}

}  // namespace pelmora::platform::win32
