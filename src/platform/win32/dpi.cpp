// Asking the system for a window's dots per inch.
#include "platform/win32/dpi.h"

#include "form/scaling.h"

namespace pelmora::platform::win32 {

namespace {
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn dpi_for_window() {
  static const auto fn = [] {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                        reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                  : nullptr;
  }();
  return fn;
}

int screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi;
}
}  // namespace

int window_dpi(HWND hwnd) {
  int dpi = 0;
  if (GetDpiForWindowFn fn = dpi_for_window(); fn && hwnd) dpi = static_cast<int>(fn(hwnd));
  if (dpi <= 0) dpi = screen_dpi();
  return dpi > 0 ? dpi : form::kBaseDpi;
}

}  // namespace pelmora::platform::win32
