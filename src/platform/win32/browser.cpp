// Opening an address in the default browser; the system's answer is of no use to the panel.
#include "platform/win32/browser.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

void Win32Browser::open_url(std::string_view url, WindowRef owner) noexcept {
  try {
    ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", to_wide(url).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
  } catch (...) {
    // Out of memory for the wide text: the page simply does not open.
  }
}

}  // namespace pelmora::platform::win32
