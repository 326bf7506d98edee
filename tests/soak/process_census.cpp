// A figure the system does not report (a failed call, or 0 where a running panel cannot have
// 0, as Wine answers for GDI and USER objects) is left out rather than taken as a value.
#include "process_census.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cwctype>
#include <vector>

namespace pelmora::soak {

namespace {

using UniqueKernelHandle = platform::win32::UniqueHandle<HANDLE, CloseHandle>;
using UniqueSearch = platform::win32::UniqueHandle<HANDLE, FindClose>;

struct WindowTally {
  DWORD process_id;
  int count = 0;
};

BOOL CALLBACK tally_child(HWND window, LPARAM param) {
  auto* tally = reinterpret_cast<WindowTally*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == tally->process_id) ++tally->count;
  return TRUE;
}

// Top-level windows and every descendant of any top-level window: the panel's owner window
// lives inside the terminal's chart frame, so the terminal's tree is searched as well.
BOOL CALLBACK tally_top_level(HWND window, LPARAM param) {
  tally_child(window, param);
  EnumChildWindows(window, tally_child, param);
  return TRUE;
}

std::optional<double> reported(bool ok, double value) {
  if (!ok || value <= 0) return std::nullopt;
  return value;
}

// The whole content of a small Linux file, through Wine's Z: drive; empty when unreadable.
std::string linux_file(const std::wstring& path) {
  HANDLE opened =
      CreateFileW((L"Z:" + path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return {};
  const UniqueKernelHandle file(opened);
  std::string content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    content.append(buffer, got);
  }
  return content;
}

// The arguments of a Linux process's command line, which Wine sets to the Windows one.
std::vector<std::string> linux_arguments(const std::wstring& pid) {
  std::vector<std::string> words;
  const std::string line = linux_file(L"\\proc\\" + pid + L"\\cmdline");
  size_t start = 0;
  for (size_t i = 0; i <= line.size(); ++i) {
    if (i == line.size() || line[i] == '\0') {
      if (i > start) words.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  }
  return words;
}

std::string narrow(const std::wstring& text) {
  return {text.begin(), text.end()};  // paths and numbers: ASCII
}

bool same_path(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

int find_linux_pid(const std::wstring& program, const std::wstring& parameter) {
  WIN32_FIND_DATAW entry{};
  HANDLE first = FindFirstFileW(L"Z:\\proc\\*", &entry);
  if (first == INVALID_HANDLE_VALUE) return 0;
  const UniqueSearch search(first);
  do {
    const std::wstring name = entry.cFileName;
    if (name.empty() || !std::iswdigit(name[0])) continue;
    const auto words = linux_arguments(name);
    if (words.size() >= 2 && same_path(words[0], narrow(program)) &&
        words[1] == narrow(parameter)) {
      return std::wcstol(name.c_str(), nullptr, 10);
    }
  } while (FindNextFileW(search.get(), &entry));
  return 0;
}

std::optional<double> resident_kb(int linux_pid) {
  if (!linux_pid) return std::nullopt;
  const std::string status = linux_file(L"\\proc\\" + std::to_wstring(linux_pid) + L"\\status");
  const size_t at = status.find("VmRSS:");
  if (at == std::string::npos) return std::nullopt;
  return reported(true, std::strtod(status.c_str() + at + 6, nullptr));
}

}  // namespace

ProcessCensus::ProcessCensus(DWORD process_id, const std::wstring& program,
                             const std::wstring& parameter)
    : process_id_(process_id),
      process_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                           process_id)),
      linux_pid_(find_linux_pid(program, parameter)) {}

Census ProcessCensus::take() {
  Census c;
  WindowTally tally{process_id_};
  EnumWindows(tally_top_level, reinterpret_cast<LPARAM>(&tally));
  // Message-only windows (the panel's timers) are not in that tree.
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
    tally_child(w, reinterpret_cast<LPARAM>(&tally));
  }
  c.windows = tally.count;
  if (HANDLE process = process_.get()) {
    DWORD handles = 0;
    c.handles = reported(GetProcessHandleCount(process, &handles) != FALSE, handles);
    c.gdi_objects = reported(true, GetGuiResources(process, GR_GDIOBJECTS));
    c.user_objects = reported(true, GetGuiResources(process, GR_USEROBJECTS));
  }
  c.rss_kb = resident_kb(linux_pid_);
  return c;
}

}  // namespace pelmora::soak
