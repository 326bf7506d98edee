// Opening an address or a file with the shell's "open"; the system's answer is of no use to the
// panel.
#include "platform/win32/desktop.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {

void shell_open(std::string_view target, WindowRef owner) noexcept {
  try {
    ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", to_wide(target).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
  } catch (...) {
    // Out of memory for the wide text: nothing opens.
  }
}

}  // namespace

void Win32Desktop::open_url(std::string_view url, WindowRef owner) noexcept {
  shell_open(url, owner);
}

void Win32Desktop::open_file(std::string_view path, WindowRef owner) noexcept {
  shell_open(path, owner);
}

}  // namespace pelmora::platform::win32
