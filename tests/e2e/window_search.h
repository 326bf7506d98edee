// Finding windows of the panel from outside, with plain window calls: its controls by the ids
// the panel gives them, and its menu and boxes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

#include "form/layout.h"
#include "form/names.h"
#include "terminal_driver.h"

namespace pelmora::e2e {

namespace names = pelmora::form::names;

// A control of the panel window by its layout name (e.g. names::kCloseButton), searched among all
// the window's descendants by the id the panel gives it: 2000 + its place in the layout's
// creation order (the exchange fields keep their published ids). Null when there is none.
inline HWND panel_control(HWND panel, std::string_view name) {
  const auto specs = form::controls();
  for (size_t i = 0; i < specs.size(); ++i) {
    if (specs[i].name != name) continue;
    std::pair<int, HWND> search{2000 + static_cast<int>(i), nullptr};
    EnumChildWindows(
        panel,
        [](HWND window, LPARAM context) -> BOOL {
          auto* s = reinterpret_cast<std::pair<int, HWND>*>(context);
          if (GetDlgCtrlID(window) == s->first) s->second = window;
          return s->second == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
  }
  return nullptr;
}

// A visible top-level window of that class belonging to the process, or null: a shortcut menu
// is of class kMenuClass, a message box of class kDialogClass.
inline HWND process_window(DWORD process_id, const wchar_t* window_class) {
  for (HWND w = FindWindowExW(nullptr, nullptr, window_class, nullptr); w;
       w = FindWindowExW(nullptr, w, window_class, nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == process_id && IsWindowVisible(w)) return w;
  }
  return nullptr;
}
inline constexpr wchar_t kMenuClass[] = L"#32768";
inline constexpr wchar_t kDialogClass[] = L"#32770";

}  // namespace pelmora::e2e
