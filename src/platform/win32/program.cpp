// Command line through the system's own splitting rules, quit through the thread's message
// queue, the error box titled with the program's name as the toolkit's own is.
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

void Win32Program::quit() {
  PostQuitMessage(0);
}

void Win32Program::show_error(std::string_view message) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title = path;
  title = title.substr(title.find_last_of(L"\\/") + 1);  // npos + 1 == 0
  title = title.substr(0, title.rfind(L'.'));
  MessageBoxW(GetActiveWindow(), to_wide(message).c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace pelmora::platform::win32
