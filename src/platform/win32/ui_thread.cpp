// The queue is taken whole under the lock and run outside it, so a task may post again.
#include "platform/win32/ui_thread.h"

#include <stdexcept>

#include "platform/win32/handler_call.h"
#include "platform/win32/window_class.h"

namespace pelmora::platform::win32 {

namespace {
constexpr UINT kRunQueued = WM_APP + 1;

const wchar_t* ui_thread_class(WNDPROC proc) {
  static const wchar_t* const kClass =
      register_window_class({.name = L"Pelmora.UiThread", .proc = proc});
  return kClass;
}
}  // namespace

Win32UiThread::Win32UiThread() {
  window_ =
      UniqueWindow(CreateWindowExW(0, ui_thread_class(&Win32UiThread::window_proc), L"", 0, 0, 0, 0,
                                   0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_.get()) throw std::runtime_error("cannot create the UI thread's window");
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32UiThread::~Win32UiThread() {
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void Win32UiThread::post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(task));
  }
  PostMessageW(window_.get(), kRunQueued, 0, 0);
}

void Win32UiThread::run_queued() {
  std::deque<std::function<void()>> tasks;
  {
    std::lock_guard lock(mutex_);
    tasks.swap(queue_);
  }
  for (const auto& task : tasks) call_handler(task);
}

LRESULT CALLBACK Win32UiThread::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kRunQueued) {
    if (auto* self = reinterpret_cast<Win32UiThread*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
      self->run_queued();
    }
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace pelmora::platform::win32
