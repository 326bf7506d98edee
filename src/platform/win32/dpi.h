// The scale of the monitor a window is on, as the system gives it to a per-monitor-aware
// program, and the message that tells of a change.
#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace pelmora::platform::win32 {

// Dots per inch for `hwnd` (96 at 100%): GetDpiForWindow where the system has it (looked up at
// run time: older systems and headers lack it), else the screen's LOGPIXELSX; 96 when neither
// gives a usable answer.
int window_dpi(HWND hwnd);

}  // namespace pelmora::platform::win32
