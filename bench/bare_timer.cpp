// The floor for the panel's idle CPU and its start and end (make bench): a bare window with four
// edits and a 10 ms timer that reads all four on every tick, as the link tick reads its fields,
// and nothing else. Prints "ready" once its timer runs; ends after <seconds> or when closed.
// Usage: pelmora_bare_timer <seconds>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kEndTimer = 2;
constexpr int kEdits = 4;

struct Window {
  HWND edits[kEdits] = {};
};

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && self && wparam == kTickTimer) {
    wchar_t text[256];
    for (HWND edit : self->edits) GetWindowTextW(edit, text, 256);
    return 0;
  }
  if ((message == WM_TIMER && wparam == kEndTimer) || message == WM_DESTROY) {
    PostQuitMessage(0);  // at its time, or when closed (the start-up bench closes it)
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.lpszClassName = L"PelmoraBareTimer";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"PelmoraBareTimer", L"bare timer", WS_OVERLAPPEDWINDOW, 100,
                                100, 300, 200, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  Window self;
  for (int i = 0; i < kEdits; ++i) {
    self.edits[i] =
        CreateWindowExW(0, L"EDIT", L"10000000 (buy 0.10 EURUSD)", WS_CHILD | WS_VISIBLE, 0, 22 * i,
                        200, 20, window, nullptr, instance, nullptr);
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&self));
  ShowWindow(window, SW_SHOW);
  SetTimer(window, kTickTimer, 10, nullptr);
  SetTimer(window, kEndTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  std::printf("ready\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(window);
  return 0;
}
