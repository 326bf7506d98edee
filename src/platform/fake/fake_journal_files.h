// The journal's files in memory: each file's text as the appends left it (header, lines, the cap
// and its note as the contract says), written at once; `then` tasks go to the UI queue.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/journal_files.h"
#include "platform/ui_thread.h"

namespace pelmora::platform::fake {

class FakeJournalFiles final : public JournalFiles {
 public:
  static constexpr std::string_view kFolder = R"(C:\Users\trader\AppData\Local\Pelmora\journal\)";

  explicit FakeJournalFiles(UiThread& ui) : ui_(ui) {}

  void append(const JournalFile& file, std::string line, std::string cap_note) override {
    File& f = files_[file.name];
    if (f.text.empty()) f.text = file.header;
    if (f.capped) return;
    if (f.text.size() + line.size() + cap_note.size() <= file.cap) {
      f.text += line;
    } else {
      f.text += cap_note;
      f.capped = true;
    }
  }
  void then(std::function<void()> task) override { ui_.post(std::move(task)); }
  std::string path_of(std::string_view name) const override {
    return std::string(kFolder) + std::string(name);
  }

  // A file's whole text; empty for one never appended to.
  std::string text(const std::string& name) const {
    const auto found = files_.find(name);
    return found == files_.end() ? "" : found->second.text;
  }

 private:
  struct File {
    std::string text;
    bool capped = false;
  };
  UiThread& ui_;
  std::map<std::string, File> files_;
};

}  // namespace pelmora::platform::fake
