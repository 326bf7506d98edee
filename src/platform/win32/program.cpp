// Command line through the system's own splitting rules, the program file from the module,
// quit through the thread's message queue.
#include "platform/win32/program.h"

#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

std::string Win32Program::first_parameter() const {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return {};
  std::string first = count > 1 ? to_utf8(arguments[1]) : std::string();
  LocalFree(arguments);
  return first;
}

std::string Win32Program::program_path() const {
  // The path may be longer than MAX_PATH: grow the buffer until it fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return to_utf8(path);
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

void Win32Program::quit() {
  PostQuitMessage(0);
}

}  // namespace pelmora::platform::win32
