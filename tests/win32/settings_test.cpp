// The settings store against the real registry: keys in the 32-bit view, opened only when present
// or created, numbers only, and a refusal the core can tell (the fallback to the user's key is
// the native settings tests'; the machine key and the settings window are driven in tests/e2e).
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "platform/win32/registry_key.h"
#include "platform/win32/settings_store.h"

namespace pelmora::win32_test {
namespace {

using platform::SettingsRoot;
using platform::win32::UniqueKey;

constexpr wchar_t kTestRoot[] = L"Software\\PelmoraTests";

UniqueKey create(HKEY root, const wchar_t* path, DWORD options = REG_OPTION_NON_VOLATILE) {
  HKEY key = nullptr;
  RegCreateKeyExW(root, path, 0, nullptr, options, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key,
                  nullptr);
  return UniqueKey(key);
}

TEST(Win32SettingsStore, KeysOpenOnlyWhenPresentOrCreatedReadOnlyNumbersAndRefusalsShow) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
  platform::win32::Win32SettingsStore store;
  const std::string path = "Software\\PelmoraTests\\Store";
  EXPECT_EQ(store.open(SettingsRoot::kUser, path, false), nullptr);
  {
    auto key = store.open(SettingsRoot::kUser, path, true);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->write("WND_X", -1));
    EXPECT_EQ(key->read("WND_Y"), std::nullopt);
  }
  const wchar_t text[] = L"1";
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\PelmoraTests\\Store", L"WND_POS_Type", REG_SZ,
                  text, sizeof text);
  DWORD stored = 0, size = sizeof stored;  // read beside the store
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\PelmoraTests\\Store", L"WND_X",
                         RRF_RT_REG_DWORD, nullptr, &stored, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(stored, 0xFFFFFFFFu);
  auto key = store.open(SettingsRoot::kUser, path, false);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->read("WND_X"), -1);
  EXPECT_EQ(key->read("WND_POS_Type"), std::nullopt);  // another type reads as missing
  key.reset();

  // Under a volatile key no lasting key can be created, and a missing one cannot be opened: the
  // store says so, and the core falls back.
  const UniqueKey refusing =
      create(HKEY_CURRENT_USER, L"Software\\PelmoraTests\\Volatile", REG_OPTION_VOLATILE);
  platform::win32::Win32SettingsStore refused({.machine = refusing.get()});
  EXPECT_EQ(refused.open(SettingsRoot::kMachine, "Settings", true), nullptr);
  EXPECT_EQ(refused.open(SettingsRoot::kMachine, "Settings", false), nullptr);
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
}

}  // namespace
}  // namespace pelmora::win32_test
