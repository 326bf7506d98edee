// The pane is a plain list box; the file is written with one WriteFile per line, so every line
// is on disk before the next event, whatever happens to the terminal afterwards.
#include "journal.h"

#include "handles.h"
#include "platform/win32/wide.h"
#include "run_files.h"

namespace pelmora::sim_terminal {

namespace {
constexpr LRESULT kPaneLines = 5000;  // older lines leave the pane (the file keeps them)
}  // namespace

struct Journal::File {
  UniqueKernelHandle handle;
};

Journal::Journal(HWND pane, std::filesystem::path log_file)
    : pane_(pane), file_(std::make_unique<File>()) {
  start_file(std::move(log_file));
}

void Journal::start_file(std::filesystem::path log_file) {
  log_file_ = std::move(log_file);
  HANDLE h = CreateFileW(log_file_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  file_->handle = UniqueKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
  if (!file_->handle.get()) {
    add("journal file not written: " +
        platform::win32::to_utf8(log_file_.wstring() + L": " + system_error_text(GetLastError())));
  }
}

Journal::~Journal() = default;

void Journal::add(std::string_view line) {
  const std::wstring wide = platform::win32::to_wide(line);
  if (SendMessageW(pane_, LB_GETCOUNT, 0, 0) >= kPaneLines) {
    SendMessageW(pane_, LB_DELETESTRING, 0, 0);
  }
  const LRESULT index =
      SendMessageW(pane_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  if (index >= 0) SendMessageW(pane_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
  if (!file_->handle.get()) return;
  std::string record(line);
  record += "\r\n";
  DWORD written = 0;
  WriteFile(file_->handle.get(), record.data(), static_cast<DWORD>(record.size()), &written,
            nullptr);
}

}  // namespace pelmora::sim_terminal
