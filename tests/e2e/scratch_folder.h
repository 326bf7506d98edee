// A fresh folder of its own under the temporary folder, removed with everything in it at the
// end: for the files a test writes and the journal files of the terminals it runs.
#pragma once

#include <filesystem>
#include <string>

namespace pelmora::e2e {

class ScratchFolder {
 public:
  // Named `prefix`, this process's id and the first free number.
  explicit ScratchFolder(const std::wstring& prefix = L"pelmora-e2e-");
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

  const std::filesystem::path& path() const { return path_; }
  // Writes `text` to the file `name` in the folder; its full path.
  std::wstring file(const std::wstring& name, const std::string& text = {}) const;
  // The text of the one file whose name starts with `prefix`; empty when there is none.
  std::string read_one(const std::wstring& prefix) const;

 private:
  std::filesystem::path path_;
};

}  // namespace pelmora::e2e
