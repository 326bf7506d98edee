// The file is found through the program's own wide path, so a folder name in any language works.
#include "platform/win32/web_sites_file.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/win32/wide.h"
#include "shell/web_sites.h"

namespace pelmora::platform::win32 {

namespace {

constexpr std::size_t kMaxFileBytes = 16 * 1024;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::wstring file_beside_program() {
  constexpr std::size_t kLongestPath = 32768;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    if (path.size() >= kLongestPath) return {};
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L"\\/:") + 1);
  return path + to_wide(shell::kWebSitesFileName);
}

}  // namespace

WebSites load_web_sites() noexcept {
  try {
    const std::wstring path = file_beside_program();
    if (path.empty()) return {};
    const std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path.c_str(), L"rb"));
    if (!file) return {};
    std::string text(kMaxFileBytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file.get()));
    if (text.size() > kMaxFileBytes) return {};
    return shell::read_web_sites(text);
  } catch (...) {
    return {};
  }
}

}  // namespace pelmora::platform::win32
