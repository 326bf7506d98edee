// The real form for the Windows tests.
#include "form_support.h"

#include "shell/layout.h"

namespace pelmora::win32_test {

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
  controls = std::make_unique<platform::win32::FormControls>();
  tform = std::make_unique<app::TForm1>(
      platform::Platform{*controls, terminal, program, roles.boxes ? *roles.boxes : messages, ui,
                         locale, roles.http ? *roles.http : fake_http, shell, sites,
                         roles.settings ? *roles.settings : settings});
  for (const shell::TimerSpec& t : shell::timers()) controls->timer(t.name).set_enabled(false);
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
  for (const shell::ControlSpec& spec : shell::controls()) {
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

void mouse(HWND hwnd, UINT message, WPARAM keys, int x, int y) {
  SendMessageW(hwnd, message, keys,
               MAKELPARAM(static_cast<WORD>(static_cast<short>(x)),
                          static_cast<WORD>(static_cast<short>(y))));
}

}  // namespace pelmora::win32_test
