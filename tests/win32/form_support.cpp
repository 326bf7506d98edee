// The real form for the Windows tests.
#include "form_support.h"

#include "form/layout.h"
#include "update_notice/web_sites.h"

namespace pelmora::win32_test {

namespace {
// The panel's manifest makes it aware of each monitor's scale; these test programs carry no
// manifest, so they ask for the same awareness before their first window.
bool take_the_panels_dpi_awareness() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto set = user32 ? reinterpret_cast<SetContext>(reinterpret_cast<void*>(
                                GetProcAddress(user32, "SetProcessDpiAwarenessContext")))
                          : nullptr;
  const auto per_monitor_v2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  return set && set(per_monitor_v2);
}
[[maybe_unused]] const bool kDpiAware = take_the_panels_dpi_awareness();
}  // namespace

void pump_for(int ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  } while (GetTickCount64() < end);
}

RealForm::RealForm(const RealFormRoles& roles) {
  if (!roles.program_path.empty()) program.set_program_path(roles.program_path);
  if (!roles.version_site.empty()) {
    program.set_file_beside(std::string(update_notice::kWebSitesFileName),
                            "VersionSite=" + roles.version_site + "\n");
  }
  controls = std::make_unique<platform::win32::FormControls>();
  tform = std::make_unique<app::PanelForm>(
      platform::Platform{*controls, terminal, program, roles.boxes ? *roles.boxes : messages, ui,
                         locale, roles.http ? *roles.http : fake_http, desktop,
                         roles.settings ? *roles.settings : settings, clock, journal});
  for (const form::TimerSpec& t : form::timers()) controls->timer(t.name).set_enabled(false);
  tform->Show();
  pump_for(100);
}

RealForm::~RealForm() {
  tform.reset();
  controls.reset();
  pump_for(20);
}

RECT RealForm::place(std::string_view name) const {
  HWND h = hwnd(name);
  RECT r{};
  GetWindowRect(h, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool RealForm::shape_is_visible_children() const {
  HRGN expected = CreateRectRgn(0, 0, 0, 0);
  for (const form::ControlSpec& spec : form::controls()) {
    if (!spec.parent.empty() || !IsWindowVisible(hwnd(spec.name))) continue;
    const RECT r = place(spec.name);
    HRGN part = CreateRectRgnIndirect(&r);
    CombineRgn(expected, expected, part, RGN_OR);
    DeleteObject(part);
  }
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  const bool same = GetWindowRgn(form(), actual) != ERROR && EqualRgn(expected, actual);
  DeleteObject(expected);
  DeleteObject(actual);
  return same;
}

COLORREF screen_pixel(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

void mouse(HWND hwnd, UINT message, WPARAM keys, int x, int y) {
  SendMessageW(hwnd, message, keys,
               MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                          static_cast<WORD>(static_cast<short>(y))));
}

}  // namespace pelmora::win32_test
