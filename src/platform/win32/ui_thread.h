// Posting work back to the user-interface thread: a message-only window of that thread takes a
// wake-up message and runs the queued tasks in order, each through the handler rule.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <mutex>

#include "platform/ui_thread.h"
#include "platform/win32/unique_window.h"

namespace pelmora::platform::win32 {

class Win32UiThread final : public UiThread {
 public:
  // Must be created on the user-interface thread. Throws std::runtime_error when the system
  // refuses the window.
  Win32UiThread();
  Win32UiThread(const Win32UiThread&) = delete;
  Win32UiThread& operator=(const Win32UiThread&) = delete;
  ~Win32UiThread() override;

  void post(std::function<void()> task) override;

 private:
  static LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void run_queued();

  std::mutex mutex_;
  std::deque<std::function<void()>> queue_;
  UniqueWindow window_;
};

}  // namespace pelmora::platform::win32
