// Timer over SetTimer/KillTimer. Setting the timer again restarts its period, and KillTimer
// also drops a WM_TIMER already waiting, so a disabled timer never ticks late.
#include "platform/win32/timer.h"
#include "platform/win32/handler_call.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32/window_class.h"

namespace pelmora::platform::win32 {

namespace {
constexpr UINT_PTR kTimerId = 1;

const wchar_t* timer_class(WNDPROC proc) {
  static const wchar_t* const kClass =
      register_window_class({.name = L"Pelmora.Timer", .proc = proc});
  return kClass;
}
}  // namespace

Timer::Timer(const TimerArgs& args)
    : interval_ms_(std::max(args.interval_ms, 1)), enabled_(args.enabled) {
  window_ =
      UniqueWindow(CreateWindowExW(0, timer_class(&Timer::window_proc), L"", 0, 0, 0, 0, 0,
                                   HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_.get()) throw std::runtime_error("cannot create a timer window");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  apply();
}

Timer::~Timer() {
  KillTimer(window_.get(), kTimerId);
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void Timer::set_enabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  apply();
}

void Timer::set_interval_ms(int ms) {
  interval_ms_ = std::max(ms, 1);
  if (enabled_) apply();
}

void Timer::apply() {
  if (enabled_) {
    SetTimer(window_.get(), kTimerId, static_cast<UINT>(interval_ms_), nullptr);
  } else {
    KillTimer(window_.get(), kTimerId);
  }
}

LRESULT CALLBACK Timer::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && wparam == kTimerId) {
    auto* self = reinterpret_cast<Timer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->enabled_) call_handler(self->on_tick_);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pelmora::platform::win32
