// The settings store against the real registry: keys in the 32-bit view, opened only when present
// or created, numbers only, and a refusal the core can tell (the fallback to the user's key is
// the native settings tests'; the machine key and the settings window are driven in tests/e2e);
// and what a real form stores there at log-off and when its chart frame is destroyed.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "form/names.h"
#include "form_support.h"
#include "platform/win32/registry_key.h"
#include "platform/win32/settings_store.h"
#include "platform/win32/wide.h"
#include "settings/settings_key.h"

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

// The user's hand on a real form (main dragged by 30, 20, "не сообщать о выходе новых версий"
// chosen and not applied, the slider at 7), then an end: a log-off while the form runs, or the
// chart frame its owner window hangs from destroyed (which destroys every control) before the
// form's end. Each time the registry holds what the user left, saved once.
TEST(Win32SettingsAtTheEnd, EveryEndStoresWhatTheUserLeft) {
  namespace names = form::names;
  const std::string program = R"(C:\PelmoraEndTest\pelmora.exe)";
  const std::wstring key =
      platform::win32::to_wide(settings::settings_key_path(settings::settings_key_suffix(program)));
  for (const char* end : {"log-off", "chart frame destroyed"}) {
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
    platform::win32::Win32SettingsStore store;
    RealForm form({.settings = &store, .program_path = program});
    HWND frame = CreateWindowExW(0, L"STATIC", L"EURUSD,H1", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, nullptr, nullptr);
    form.controls->window().attach_owner_to(reinterpret_cast<platform::WindowRef>(frame));
    SendMessageW(GetDlgItem(form.hwnd(names::kVersionsGroup), 2), BM_CLICK, 0, 0);
    HWND main = form.hwnd(names::kMainPanel);
    mouse(main, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    mouse(main, WM_MOUSEMOVE, MK_LBUTTON, 35, 25);
    mouse(main, WM_LBUTTONUP, 0, 35, 25);
    form.controls->slider(names::kSpeedSlider).set_position(7);
    if (end[0] == 'l') {
      EXPECT_EQ(SendMessageW(form.form(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
      SendMessageW(form.form(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
      form.controls->slider(names::kSpeedSlider).set_position(3);  // too late: saved once
      form.tform.reset();
    } else {
      DestroyWindow(frame);
      pump_for(50);
      form.tform.reset();
    }
    const auto stored = [&](const char* name) {
      const auto opened = store.open(SettingsRoot::kMachine, platform::win32::to_utf8(key), false);
      return opened ? opened->read(name) : std::nullopt;
    };
    EXPECT_EQ((std::vector{stored("WND_Y"), stored("WND_X"), stored("NewVersion_Type"),
                           stored("TrackBarPos")}),
              (std::vector<std::optional<int32_t>>{30, 20, 1, 7}))
        << end;
    if (IsWindow(frame)) DestroyWindow(frame);
  }
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
}

}  // namespace
}  // namespace pelmora::win32_test
