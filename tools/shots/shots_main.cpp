// Writes screenshots of the panel for review: the whole window, each of the five panels
// shown alone at the main panel's place (the shortcut keys window with the default keys), the main
// panel with the update notice, the settings window opened from the menu, and the icon, read back
// into BMP files in the current folder (scripts/make-shots turns them into PNG files).
#include <windows.h>

#include <cstdio>
#include <string>

#include "form/layout.h"
#include "form/names.h"
#include "form/window_shape.h"
#include "form_support.h"
#include "platform/win32/popup_menu.h"
#include "screen_picture.h"
#include "shortcuts/shortcut_keys.h"

namespace {

namespace names = pelmora::form::names;
using pelmora::win32_test::RealForm;
using pelmora::win32_test::save_picture;
using pelmora::win32_test::save_screen;

// The program's icon, four times its size on white.
bool save_icon(HWND window, const std::string& path) {
  const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  constexpr int kSize = 128;
  return icon && save_picture(kSize, kSize, path, [&](HDC memory, HDC) {
           RECT all{0, 0, kSize, kSize};
           FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
           DrawIconEx(memory, 0, 0, icon, kSize, kSize, 0, nullptr, DI_NORMAL);
         });
}

RECT screen_rect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

void settle(RealForm& form) {
  pelmora::form::rebuild_window_region(*form.controls);
  RedrawWindow(form.form(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pelmora::win32_test::pump_for(400);
}

}  // namespace

int main() {
  RealForm form;
  int failures = 0;
  settle(form);
  failures += !save_screen(screen_rect(form.form()), "window.bmp");
  failures += !save_icon(form.form(), "icon.bmp");
  const RECT main_place = form.place(names::kMainPanel);
  const pelmora::shortcuts::Keys keys = pelmora::shortcuts::default_keys();
  for (size_t i = 0; i < keys.size(); ++i) {
    form.controls->key_field(names::kShortcutFields[i]).set_chord(keys[i]);
  }
  for (std::string_view shown : pelmora::form::kPanelNames) {
    for (std::string_view panel : pelmora::form::kPanelNames) {
      form.controls->control(panel).set_visible(panel == shown);
    }
    form.controls->control(shown).set_position(main_place.left, main_place.top);
    settle(form);
    failures += !save_screen(screen_rect(form.hwnd(shown)), std::string(shown) + ".bmp");
  }
  // The main panel as a check that found a newer version leaves it.
  for (std::string_view panel : pelmora::form::kPanelNames) {
    form.controls->control(panel).set_visible(panel == names::kMainPanel);
  }
  form.controls->label(names::kUpdateNotice).set_visible(true);
  settle(form);
  failures += !save_screen(screen_rect(form.hwnd(names::kMainPanel)), "main-update-notice.bmp");
  // The settings window as the shortcut menu opens it, each group with a choice selected.
  for (std::string_view panel : pelmora::form::kPanelNames) {
    form.controls->control(panel).set_visible(panel == names::kMainPanel);
  }
  form.controls->control(names::kMainPanel).set_position(main_place.left, main_place.top);
  dynamic_cast<pelmora::platform::win32::MenuItem&>(form.controls->menu_item(names::kSettingsItem))
      .click();
  for (int i = 1; i <= 4; ++i) {
    form.controls->radio_group("RadioGroup" + std::to_string(i)).select(i % 2 == 0 ? 1 : 0);
  }
  settle(form);
  failures += !save_screen(screen_rect(form.hwnd(names::kSettingsPanel)), "settings.bmp");
  std::printf("%s\n", failures ? "some screenshots failed" : "screenshots written");
  return failures ? 1 : 0;
}
