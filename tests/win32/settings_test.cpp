// The settings against the real registry: the store's keys in the 32-bit view, the real form
// saving and loading under the machine key across two runs, the current user's key where the
// machine key refuses (a root the test chooses), one error box for a bad parameter, and the
// settings window opened from the shortcut menu and applied with the mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "box_user.h"
#include "form_support.h"
#include "platform/win32/registry_key.h"
#include "platform/win32/settings_store.h"
#include "shell/settings_key.h"

namespace pelmora::win32_test {
namespace {

using platform::SettingsRoot;
using platform::win32::SettingsRoots;
using platform::win32::UniqueKey;
using platform::win32::Win32SettingsStore;

constexpr REGSAM kView = KEY_WOW64_32KEY;
constexpr wchar_t kTestRoot[] = L"Software\\PelmoraTests";

std::wstring key_path(const char* suffix) {
  const std::string path = shell::settings_key_path(suffix);
  return std::wstring(path.begin(), path.end());  // ASCII
}

void delete_key(HKEY root, const std::wstring& path) {
  RegDeleteKeyExW(root, path.c_str(), kView, 0);
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

// Two runs of the real form under the machine key: the dragged place and the slider's position
// come back; then the settings window, opened from the shortcut menu of main and of an open
// floating panel, applies a choice clicked with the mouse.
TEST(SettingsWin32, TwoRunsKeepThePlaceAndTheSpeedUnderTheMachineKey) {
  const std::wstring path = key_path("_PelmoraTests_RoundTrip");
  delete_key(HKEY_LOCAL_MACHINE, path);
  Win32SettingsStore store;
  const RealFormRoles roles{.settings = &store,
                            .program_path = R"(C:\PelmoraTests\RoundTrip\pelmora.exe)"};
  {
    RealForm f(roles);
    EXPECT_EQ(f.place("main").left, 0);  // a first start
    mouse(f.hwnd("main"), WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    mouse(f.hwnd("main"), WM_MOUSEMOVE, MK_LBUTTON, 40, 30);
    mouse(f.hwnd("main"), WM_LBUTTONUP, 0, 75, 55);
    f.controls->slider("TrackBar1").set_position(11);
  }
  EXPECT_EQ(stored(HKEY_LOCAL_MACHINE, path, L"WND_X"), 50u);  // the Top
  EXPECT_EQ(stored(HKEY_LOCAL_MACHINE, path, L"WND_Y"), 70u);  // the Left
  EXPECT_EQ(stored(HKEY_LOCAL_MACHINE, path, L"TrackBarPos"), 11u);
  RealForm f(roles);
  EXPECT_EQ(f.place("main").left, 70);
  EXPECT_EQ(f.place("main").top, 50);
  EXPECT_EQ(f.controls->slider("TrackBar1").position(), 11);
  delete_key(HKEY_LOCAL_MACHINE, path);
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
    f.controls->radio_group("RadioGroup4").select(1);
    f.controls->control("main").set_position(33, 44);
  }
  EXPECT_EQ(stored(HKEY_CURRENT_USER, path, L"NewVersion_Type"), 1u);
  RealForm f(roles);
  EXPECT_TRUE(f.messages.errors().empty());
  EXPECT_EQ(f.tform->settings().NewVersionType, 1);
  EXPECT_EQ(f.place("main").left, 33);
  f.tform.reset();
  RegDeleteTreeW(HKEY_CURRENT_USER, kTestRoot);
}

TEST(SettingsWin32, ABadParameterShowsOneBoxThoughTheLoadedSliderChanges) {
  BoxUser user;  // a box from the slider's change handler would be a second one
  std::optional<RealForm> f;
  f.emplace(RealFormRoles{.program_path = R"(C:\PelmoraTests\Bad\pelmora.exe)",
                          .first_parameter = "abc"});
  EXPECT_FALSE(user.stop());
  EXPECT_EQ(f->messages.errors(), std::vector<std::string>{"'abc' is not a valid integer value"});
  EXPECT_EQ(f->controls->slider("TrackBar1").position(), 24);
}

// Picks "Настройки", the second item, from the shortcut menu once it is open, by the keyboard.
void CALLBACK choose_settings(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, id);
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 0);
}

void right_click(HWND panel) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, choose_settings);
  mouse(panel, WM_RBUTTONDOWN, MK_RBUTTON, 5, 5);
  mouse(panel, WM_RBUTTONUP, 0, 5, 5);  // the menu runs until an item is chosen
  KillTimer(nullptr, timer);
  pump_for(50);
}

void left_click(HWND hwnd) {
  mouse(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  mouse(hwnd, WM_LBUTTONUP, 0, 5, 5);
  pump_for(20);
}

TEST(SettingsWin32, TheShortcutMenuOpensTheWindowOverMainOrAFloatingPanelApplyStores) {
  const std::wstring path = key_path("_PelmoraTests_Window");
  delete_key(HKEY_LOCAL_MACHINE, path);
  Win32SettingsStore store;
  RealForm f({.settings = &store, .program_path = R"(C:\PelmoraTests\Window\pelmora.exe)"});
  right_click(f.hwnd("main"));
  ASSERT_TRUE(IsWindowVisible(f.hwnd("Properties")));
  EXPECT_FALSE(IsWindowVisible(f.hwnd("main")));
  left_click(GetDlgItem(f.hwnd("RadioGroup1"), 2));  // "использовать предыдущее значение"
  left_click(f.hwnd("Button13"));
  EXPECT_FALSE(IsWindowVisible(f.hwnd("Properties")));
  EXPECT_EQ(stored(HKEY_LOCAL_MACHINE, path, L"SL_TP_Set_Type"), 1u);
  EXPECT_EQ(f.tform->settings().SlTpSetType, 1);

  left_click(f.hwnd("Button4"));  // the trailing-stop window takes main's place
  ASSERT_TRUE(IsWindowVisible(f.hwnd("SET_TSL_WND")));
  right_click(f.hwnd("SET_TSL_WND"));
  ASSERT_TRUE(IsWindowVisible(f.hwnd("Properties")));
  EXPECT_TRUE(IsWindowVisible(f.hwnd("SET_TSL_WND")));
  left_click(GetDlgItem(f.hwnd("RadioGroup4"), 2));  // "не сообщать о выходе новых версий"
  left_click(f.hwnd("Button13"));
  EXPECT_EQ(stored(HKEY_LOCAL_MACHINE, path, L"NewVersion_Type"), 1u);
  EXPECT_EQ(f.tform->settings().NewVersionType, 1);
  EXPECT_TRUE(f.shape_is_visible_children());
  f.tform.reset();
  delete_key(HKEY_LOCAL_MACHINE, path);
}

}  // namespace
}  // namespace pelmora::win32_test
