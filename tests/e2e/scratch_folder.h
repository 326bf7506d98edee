// A fresh folder of its own under the temporary folder, removed with everything in it at the
// end: for the files a test writes and the journal files of the terminals it runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace pelmora::e2e {

class ScratchFolder {
 public:
  // Named `prefix`, this process's id and the first free number: one left by an earlier run is
  // not shared, and two folders of one process never meet.
  explicit ScratchFolder(const std::wstring& prefix = L"pelmora-e2e-") {
    const auto stem = prefix + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int n = 1;
         !std::filesystem::create_directories(path_ = temp() / (stem + std::to_wstring(n)));)
      ++n;
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder() {
    std::error_code ignored;  // a file still held open stays behind in the temporary folder
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& path() const { return path_; }
  // Writes `text` to the file `name` in the folder; its full path.
  std::wstring file(const std::wstring& name, const std::string& text = {}) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
    return (path_ / name).wstring();
  }
  // The texts of the files whose names start with `prefix`, in the order of their names.
  std::vector<std::string> read_all(const std::wstring& prefix) const {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      if (entry.path().filename().wstring().starts_with(prefix)) paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> texts;
    for (const auto& path : paths) {
      std::stringstream text;
      text << std::ifstream(path, std::ios::binary).rdbuf();
      texts.push_back(text.str());
    }
    return texts;
  }
  // The text of the first such file; empty when there is none.
  std::string read_one(const std::wstring& prefix) const {
    const auto texts = read_all(prefix);
    return texts.empty() ? std::string() : texts.front();
  }

 private:
  static std::filesystem::path temp() { return std::filesystem::temp_directory_path(); }
  std::filesystem::path path_;
};

}  // namespace pelmora::e2e
