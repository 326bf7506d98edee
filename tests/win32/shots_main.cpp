// Writes screenshots of the panel for review: the whole window, each of the four panels
// shown alone at the main panel's place, the settings window opened from the menu, and the icon,
// read back into BMP files in the current folder (scripts/make-shots turns them into PNG files).
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "form_support.h"
#include "platform/win32/popup_menu.h"
#include "shell/layout.h"
#include "shell/window_shape.h"

namespace {

using pelmora::win32_test::RealForm;

// Saves a picture drawn by `draw(dc)` as a 24-bit bottom-up BMP file; false on failure.
template <typename Draw>
bool save_picture(int width, int height, const std::string& path, Draw draw) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, picture);
  draw(memory, screen);
  GdiFlush();
  const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD size = row * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{
      0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + size), 0, 0,
      sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  bool ok = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    ok = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
         std::fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
         std::fwrite(bits, 1, size, out) == size;
    ok = std::fclose(out) == 0 && ok;
  }
  SelectObject(memory, previous);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool save_screen(const RECT& r, const std::string& path) {
  return save_picture(r.right - r.left, r.bottom - r.top, path, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  });
}

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
  pelmora::shell::RebuildWindowRegion(*form.controls);
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
  const RECT main_place = form.place("main");
  for (std::string_view shown : pelmora::shell::kPanelNames) {
    for (std::string_view panel : pelmora::shell::kPanelNames) {
      form.controls->control(panel).set_visible(panel == shown);
    }
    form.controls->control(shown).set_position(main_place.left, main_place.top);
    settle(form);
    failures += !save_screen(screen_rect(form.hwnd(shown)), std::string(shown) + ".bmp");
  }
  // The settings window as the shortcut menu opens it, each group with a choice selected.
  for (std::string_view panel : pelmora::shell::kPanelNames) {
    form.controls->control(panel).set_visible(panel == "main");
  }
  form.controls->control("main").set_position(main_place.left, main_place.top);
  dynamic_cast<pelmora::platform::win32::MenuItem&>(form.controls->menu_item("N3")).click();
  for (int i = 1; i <= 4; ++i) {
    form.controls->radio_group("RadioGroup" + std::to_string(i)).select(i % 2 == 0 ? 1 : 0);
  }
  settle(form);
  failures += !save_screen(screen_rect(form.hwnd("Properties")), "settings.bmp");
  std::printf("%s\n", failures ? "some screenshots failed" : "screenshots written");
  return failures ? 1 : 0;
}
