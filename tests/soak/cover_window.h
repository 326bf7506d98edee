// Another program's window over the terminal: a plain top-level window of the soak itself,
// laid over a rectangle and given the keyboard, as a user switching programs would.
#pragma once

#include <windows.h>

#include "platform/win32/gdi_handles.h"

namespace pelmora::soak {

class CoverWindow {
 public:
  // Shows the window over `area` and gives it the keyboard; exists() tells whether it came up.
  explicit CoverWindow(const RECT& area);
  bool exists() const { return window_.get() != nullptr; }
  bool in_front() const { return GetForegroundWindow() == window_.get(); }

 private:
  platform::win32::UniqueHandle<HWND, DestroyWindow> window_;
};

// Handles whatever was sent or posted to this thread's windows; the soak calls it while it
// waits, so that its cover window answers like any program's.
void pump_messages();

}  // namespace pelmora::soak
