// The files of the program's journal, in a folder of the user's own: lines are appended off the
// user-interface thread, so that a slow or failing disk never holds the panel.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pelmora::platform {

// One file of the journal folder and the rules it is kept by.
struct JournalFile {
  std::string name;       // the file's name inside the journal folder
  std::string header;     // written first into a file that is new or empty
  std::uint64_t cap = 0;  // the most bytes the file may hold
};

class JournalFiles {
 public:
  virtual ~JournalFiles() = default;
  // Queues `line` (empty: nothing but the file itself) for the end of `file` and returns at
  // once; the lines go in the order queued. The folder and the file are made when missing. A
  // line that would take the file beyond its cap is dropped, and the first time that happens
  // `cap_note` goes in instead (the lines leave room for it); nothing goes in after the note. A
  // write that fails is silent: its lines stay queued and are tried again with the next append.
  virtual void append(const JournalFile& file, std::string line, std::string cap_note) = 0;
  // Runs `task` on the user-interface thread once every line queued before it has been written
  // or has failed.
  virtual void then(std::function<void()> task) = 0;
  // The full path of the file `name`; empty when the folder cannot be had.
  virtual std::string path_of(std::string_view name) const = 0;
};

}  // namespace pelmora::platform
