// The journal thread: each job opens its file for appending, writes and closes it again, so
// that nothing stays open between commands and a file the user has open elsewhere is shared.
#include "platform/win32/journal_files.h"

#include <windows.h>
// After <windows.h>, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/win32/gdi_handles.h"
#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

namespace {

// Lines kept for another try when writing keeps failing, at most; older ones are dropped.
constexpr size_t kMostFailedBytes = 1 << 20;

std::wstring user_journal_folder() {
  PWSTR local = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local))) {
    folder = std::wstring(local) + L"\\Pelmora\\journal\\";
  }
  CoTaskMemFree(local);
  return folder;
}

using UniqueFile = UniqueHandle<HANDLE, CloseHandle>;

bool write_all(HANDLE file, std::string_view text) {
  DWORD written = 0;
  return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

// Whether the file ends with `text`.
bool ends_with(HANDLE file, std::uint64_t size, std::string_view text) {
  if (text.empty() || size < text.size()) return false;
  std::string tail(text.size(), '\0');
  OVERLAPPED at{};
  const std::uint64_t from = size - text.size();
  at.Offset = static_cast<DWORD>(from);
  at.OffsetHigh = static_cast<DWORD>(from >> 32);
  DWORD read = 0;
  return ReadFile(file, tail.data(), static_cast<DWORD>(tail.size()), &read, &at) &&
         read == tail.size() && tail == text;
}

}  // namespace

Win32JournalFiles::Win32JournalFiles(UiThread& ui, std::wstring folder)
    : ui_(ui), folder_(folder.empty() ? user_journal_folder() : std::move(folder)) {}

Win32JournalFiles::~Win32JournalFiles() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void Win32JournalFiles::append(const JournalFile& file, std::string line, std::string cap_note) {
  queue({.file = file, .line = std::move(line), .cap_note = std::move(cap_note)});
}

void Win32JournalFiles::then(std::function<void()> task) {
  queue({.task = std::move(task)});
}

std::string Win32JournalFiles::path_of(std::string_view name) const {
  return folder_.empty() ? std::string() : to_utf8(folder_) + std::string(name);
}

void Win32JournalFiles::queue(Job job) {
  {
    const std::lock_guard lock(mutex_);
    queued_.push_back(std::move(job));
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
  }
  wake_.notify_one();
}

// A failed line stays, with every line after it, until a later job finds the disk willing: the
// lines of a file keep their order.
void Win32JournalFiles::run() {
  for (;;) {
    std::deque<Job> jobs;
    bool ending = false;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return ending_ || !queued_.empty(); });
      jobs.swap(queued_);
      ending = ending_;
    }
    for (Job& job : jobs) {
      if (job.task) {
        ui_.post(std::move(job.task));
        continue;
      }
      failed_.push_back(std::move(job));
      while (!failed_.empty() && write(failed_.front())) failed_.pop_front();
    }
    size_t kept = 0;
    for (auto it = failed_.rbegin(); it != failed_.rend(); ++it) kept += it->line.size();
    while (kept > kMostFailedBytes) {
      kept -= failed_.front().line.size();
      failed_.pop_front();
    }
    if (ending) return;
  }
}

bool Win32JournalFiles::write(const Job& job) const {
  if (folder_.empty()) return false;
  // The two folders below the user's own are made as needed; one that exists is no failure.
  const size_t journal = folder_.find_last_of(L'\\', folder_.size() - 2);
  CreateDirectoryW(folder_.substr(0, journal).c_str(), nullptr);
  CreateDirectoryW(folder_.c_str(), nullptr);
  HANDLE opened =
      CreateFileW((folder_ + to_wide(job.file.name)).c_str(), FILE_APPEND_DATA | GENERIC_READ,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  const UniqueFile file(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
  LARGE_INTEGER size{};
  if (!file.get() || !GetFileSizeEx(file.get(), &size)) return false;
  auto bytes = static_cast<std::uint64_t>(size.QuadPart);
  if (bytes == 0) {
    if (!write_all(file.get(), job.file.header)) return false;
    bytes = job.file.header.size();
  }
  if (job.line.empty()) return true;
  if (bytes + job.line.size() + job.cap_note.size() <= job.file.cap) {
    return write_all(file.get(), job.line);
  }
  if (ends_with(file.get(), bytes, job.cap_note)) return true;  // full: dropped
  return write_all(file.get(), job.cap_note);
}

}  // namespace pelmora::platform::win32
