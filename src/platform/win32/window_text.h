// Whole-text reads and writes of any of our windows, UTF-8 at the interface.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace pelmora::platform::win32 {

// The window's whole current text (WM_GETTEXT); empty for a window without text.
std::string window_text(HWND hwnd);
// Replaces the whole text (WM_SETTEXT).
void set_window_text(HWND hwnd, std::string_view text);

}  // namespace pelmora::platform::win32
