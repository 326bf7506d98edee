// Command line through the system's own splitting rules, the program file from the module,
// quit through the thread's message queue.
#include "platform/win32/program.h"

#include <windows.h>
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include <cstdio>
#include <memory>

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

// Through the program's own wide path, so a folder name in any language works.
std::optional<std::string> Win32Program::read_file_beside(std::string_view name,
                                                          std::size_t max_bytes) const noexcept {
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  try {
    std::wstring path = to_wide(program_path());
    if (path.empty()) return std::nullopt;
    path.resize(path.find_last_of(L"\\/:") + 1);
    const std::unique_ptr<std::FILE, FileCloser> file(
        _wfopen((path + to_wide(name)).c_str(), L"rb"));
    if (!file) return std::nullopt;
    std::string text(max_bytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    if (text.size() > max_bytes) return std::nullopt;
    return text;
  } catch (...) {
    return std::nullopt;
  }
}

void Win32Program::quit() {
  PostQuitMessage(0);
}

}  // namespace pelmora::platform::win32
