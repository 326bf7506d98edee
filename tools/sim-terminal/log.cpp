// Written as UTF-8 through the standard handles, which Wine maps to the caller's streams; a
// program started without them simply says nothing.
#include "log.h"

#include <windows.h>

#include <string>

namespace pelmora::sim_terminal {

namespace {

void write_line(DWORD which, std::wstring_view text) {
  HANDLE out = GetStdHandle(which);
  if (!out || out == INVALID_HANDLE_VALUE) return;
  std::wstring line(text);
  line += L"\n";
  const int size = static_cast<int>(line.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, line.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.data(), size, utf8.data(), bytes, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

}  // namespace

void log_line(std::wstring_view text) {
  write_line(STD_ERROR_HANDLE, L"sim-terminal: " + std::wstring(text));
}
void print_line(std::wstring_view text) {
  write_line(STD_OUTPUT_HANDLE, text);
}

}  // namespace pelmora::sim_terminal
