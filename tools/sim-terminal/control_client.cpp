// WM_COPYDATA is delivered synchronously and the data is copied into the receiving process.
#include "control_client.h"

#include "control_protocol.h"

namespace pelmora::sim_terminal {

std::optional<LRESULT> send_command(HWND terminal, std::string_view line, UINT timeout_ms) {
  if (line.size() > kMaxCommandBytes) return std::nullopt;
  COPYDATASTRUCT data{};
  data.dwData = kControlTag;
  data.cbData = static_cast<DWORD>(line.size());
  data.lpData = const_cast<char*>(line.data());
  DWORD_PTR reply = 0;
  if (!SendMessageTimeoutW(terminal, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_ABORTIFHUNG | SMTO_BLOCK, timeout_ms, &reply)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(reply);
}

namespace {

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK match_terminal(HWND hwnd, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (lstrcmpW(name, kMainClass) != 0) return TRUE;
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (search->pid != 0 && pid != search->pid) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

HWND find_terminal(DWORD pid) {
  Search search{pid, nullptr};
  EnumWindows(match_terminal, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace pelmora::sim_terminal
