#include "scratch_folder.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace pelmora::e2e {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(const std::wstring& prefix) {
  const fs::path base = fs::temp_directory_path();
  const std::wstring stem = prefix + std::to_wstring(GetCurrentProcessId()) + L"-";
  // create_directory is false for a folder that exists: one left by an earlier run is not
  // shared, and two folders of one process never meet.
  for (int n = 1;; ++n) {
    path_ = base / (stem + std::to_wstring(n));
    if (fs::create_directories(path_)) return;
  }
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;  // a file still held open stays behind in the temporary folder
  fs::remove_all(path_, ignored);
}

std::wstring ScratchFolder::file(const std::wstring& name, const std::string& text) const {
  std::ofstream(path_ / name, std::ios::binary) << text;
  return (path_ / name).wstring();
}

std::string ScratchFolder::read_one(const std::wstring& prefix) const {
  for (const auto& entry : fs::directory_iterator(path_)) {
    if (entry.path().filename().wstring().rfind(prefix, 0) != 0) continue;
    std::stringstream text;
    text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    return text.str();
  }
  return {};
}

}  // namespace pelmora::e2e
