// The panel numbers its controls 2000 + their place in the layout's creation order (the
// exchange fields keep their published ids), so the layout table gives every id.
#include "window_search.h"

#include "form/layout.h"
#include "terminal_driver.h"

namespace pelmora::e2e {

namespace {

constexpr int kFirstControlId = 2000;

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK match_id(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<IdSearch*>(context);
  if (GetDlgCtrlID(window) != search->id) return TRUE;
  search->found = window;
  return FALSE;
}

struct ClassSearch {
  DWORD pid;
  const wchar_t* window_class;
  HWND found;
};

BOOL CALLBACK match_class(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ClassSearch*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != search->pid || !IsWindowVisible(window) || class_of(window) != search->window_class) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

HWND find_by_text(HWND parent, const std::wstring& text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (window_text(child) == text) return child;
    if (HWND found = find_by_text(child, text)) return found;
  }
  return nullptr;
}

HWND previous(HWND window, int steps) {
  for (int i = 0; i < steps && window; ++i) window = GetWindow(window, GW_HWNDPREV);
  return window;
}

std::wstring class_of(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

HWND panel_control(HWND panel, std::string_view name) {
  const auto specs = form::controls();
  for (size_t i = 0; i < specs.size(); ++i) {
    if (specs[i].name != name) continue;
    IdSearch search{kFirstControlId + static_cast<int>(i), nullptr};
    EnumChildWindows(panel, match_id, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  return nullptr;
}

HWND process_window(DWORD process_id, const wchar_t* window_class) {
  ClassSearch search{process_id, window_class, nullptr};
  EnumWindows(match_class, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace pelmora::e2e
