// The class is registered once per process and never unregistered; it goes with the process.
#include "cover_window.h"

namespace pelmora::soak {

namespace {

constexpr wchar_t kCoverClass[] = L"PelmoraSoakCover";

const wchar_t* cover_class() {
  static const ATOM atom = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = DefWindowProcW;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    c.lpszClassName = kCoverClass;
    return RegisterClassW(&c);
  }();
  return atom ? kCoverClass : nullptr;
}

}  // namespace

CoverWindow::CoverWindow(const RECT& area) {
  const wchar_t* window_class = cover_class();
  if (!window_class) return;
  window_ = decltype(window_)(
      CreateWindowExW(0, window_class, L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr,
                      nullptr, GetModuleHandleW(nullptr), nullptr));
  if (exists()) SetForegroundWindow(window_.get());
}

void pump_messages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace pelmora::soak
