// Command line through the system's own splitting rules, quit through the thread's message
// queue.
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

}  // namespace pelmora::platform::win32
