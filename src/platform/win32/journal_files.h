// The journal's files on Windows, in the user's local application data (Pelmora\journal\): a
// thread of their own, started with the first line, opens, appends and closes each file, so
// that the user-interface thread only queues. The thread ends with this object, once the lines
// queued before have been tried.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "platform/journal_files.h"
#include "platform/ui_thread.h"

namespace pelmora::platform::win32 {

class Win32JournalFiles final : public JournalFiles {
 public:
  // `ui` runs the `then` tasks and must outlive this object. `folder` (a full path, "\" at the
  // end) replaces the user's journal folder, for tests; empty: the user's.
  explicit Win32JournalFiles(UiThread& ui, std::wstring folder = {});
  Win32JournalFiles(const Win32JournalFiles&) = delete;
  Win32JournalFiles& operator=(const Win32JournalFiles&) = delete;
  ~Win32JournalFiles() override;

  void append(const JournalFile& file, std::string line, std::string cap_note) override;
  void then(std::function<void()> task) override;
  std::string path_of(std::string_view name) const override;

 private:
  struct Job {
    JournalFile file;
    std::string line, cap_note;
    std::function<void()> task;  // set: a `then` task, nothing to write
  };

  void queue(Job job);
  void run();
  // Whether the job's line is in its file (or rightly dropped at the cap).
  bool write(const Job& job) const;

  UiThread& ui_;
  const std::wstring folder_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Job> queued_;  // under mutex_
  bool ending_ = false;     // under mutex_
  std::deque<Job> failed_;  // the thread's own: lines to try again, oldest first
  std::thread thread_;      // started with the first job
};

}  // namespace pelmora::platform::win32
