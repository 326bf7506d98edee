// The terminal's journal: a pane of the main window listing what the expert and the tester did,
// newest last, and the same lines appended to a log file.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string_view>

namespace pelmora::sim_terminal {

class Journal {
 public:
  // `pane` is the journal's list window (owned by the terminal); `log_file` is created or
  // appended to; a file that cannot be opened leaves the pane working and says so in it.
  Journal(HWND pane, std::filesystem::path log_file);
  ~Journal();
  Journal(const Journal&) = delete;
  Journal& operator=(const Journal&) = delete;

  // Goes on in a new file (a new test): the pane keeps its lines.
  void start_file(std::filesystem::path log_file);
  // Adds one UTF-8 line as it stands (the caller puts the time in); the pane keeps the last
  // few thousand lines and scrolls to the newest; the file gets every line, flushed.
  void add(std::string_view line);
  const std::filesystem::path& log_file() const { return log_file_; }

 private:
  struct File;
  HWND pane_;
  std::filesystem::path log_file_;
  std::unique_ptr<File> file_;
};

}  // namespace pelmora::sim_terminal
