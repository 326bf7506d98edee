// The settings against the real registry: the store's keys in the 32-bit view, and the real form
// keeping its settings under the current user's key where the machine key refuses (a root the
// test chooses). The machine key and the settings window are driven end to end in tests/e2e.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "form/names.h"
#include "form_support.h"
#include "platform/win32/registry_key.h"
#include "platform/win32/settings_store.h"
#include "settings/settings_key.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

using platform::SettingsRoot;
using platform::win32::SettingsRoots;
using platform::win32::UniqueKey;
using platform::win32::Win32SettingsStore;

constexpr REGSAM kView = KEY_WOW64_32KEY;
constexpr wchar_t kTestRoot[] = L"Software\\PelmoraTests";

std::wstring key_path(const char* suffix) {
  const std::string path = settings::settings_key_path(suffix);
  return std::wstring(path.begin(), path.end());  // ASCII
}

// A value read straight from the registry, beside the code under test.
std::optional<DWORD> stored(HKEY root, const std::wstring& path, const wchar_t* name) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | kView, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const UniqueKey key(opened);
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD) {
    return std::nullopt;
  }
  return value;
}

UniqueKey create(HKEY root, const wchar_t* path, DWORD options = REG_OPTION_NON_VOLATILE) {
  HKEY key = nullptr;
  RegCreateKeyExW(root, path, 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return UniqueKey(key);
}

TEST(Win32SettingsStore, KeysOpenOnlyWhenPresentOrCreatedAndReadOnlyNumbers) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
  Win32SettingsStore store;
  const std::string path = "Software\\PelmoraTests\\Store";
  EXPECT_EQ(store.open(SettingsRoot::kUser, path, false), nullptr);
  {
    auto key = store.open(SettingsRoot::kUser, path, true);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->write("WND_X", -1));
    EXPECT_EQ(key->read("WND_X"), -1);
    EXPECT_EQ(key->read("WND_Y"), std::nullopt);
  }
  const wchar_t text[] = L"1";
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\PelmoraTests\\Store", L"WND_POS_Type", REG_SZ,
                  text, sizeof text);
  auto key = store.open(SettingsRoot::kUser, path, false);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->read("WND_POS_Type"), std::nullopt);  // another type reads as missing
  EXPECT_EQ(stored(HKEY_CURRENT_USER, L"Software\\PelmoraTests\\Store", L"WND_X"), 0xFFFFFFFFu);
  key.reset();
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
}

TEST(SettingsWin32, WhereTheMachineKeyRefusesTheUsersKeyKeepsTheSettings) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
  // Under a volatile key no lasting key can be created, and a missing one cannot be opened.
  const UniqueKey base = create(HKEY_CURRENT_USER, kTestRoot);
  const UniqueKey refusing = create(base.get(), L"Machine", REG_OPTION_VOLATILE);
  const UniqueKey user = create(base.get(), L"User");
  Win32SettingsStore store(SettingsRoots{.machine = refusing.get(), .user = user.get()});
  const RealFormRoles roles{.settings = &store,
                            .program_path = R"(C:\PelmoraTests\Fallback\pelmora.exe)"};
  const std::wstring path = L"Software\\PelmoraTests\\User\\" + key_path("_PelmoraTests_Fallback");
  {
    RealForm f(roles);
    f.controls->radio_group(names::kVersionsGroup).select(1);
    f.controls->control(names::kMainPanel).set_position(33, 44);
  }
  EXPECT_EQ(stored(HKEY_CURRENT_USER, path, L"NewVersion_Type"), 1u);
  RealForm f(roles);
  EXPECT_TRUE(f.messages.errors().empty());
  EXPECT_EQ(f.tform->settings().update_mode, 1);
  EXPECT_EQ(f.place(names::kMainPanel).left, 33);
  f.tform.reset();
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
}

}  // namespace
}  // namespace pelmora::win32_test
