// The custom control window class and its message routing.
#include "platform/win32/custom_control.h"

#include <stdexcept>

namespace pelmora::platform::win32 {

namespace {
constexpr wchar_t kClassName[] = L"Pelmora.Control";

LRESULT CALLBACK custom_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* sink = reinterpret_cast<MessageSink*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!sink) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_ERASEBKGND) return 1;  // paint() covers every pixel; erasing would flicker
  if (message == WM_PAINT) {
    sink->paint();
    return 0;
  }
  LRESULT result = 0;
  if (sink->on_message(message, wparam, lparam, &result)) return result;
  return DefWindowProcW(hwnd, message, wparam, lparam);
}
}  // namespace

const wchar_t* custom_control_class() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = custom_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc);
  }();
  if (!atom) throw std::runtime_error("cannot register the custom control class");
  return kClassName;
}

void bind_sink(HWND hwnd, MessageSink* sink) {
  if (hwnd) SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(sink));
}

}  // namespace pelmora::platform::win32
