// CreateProcessW with an explicit program path: no search path is involved.
#include "panel_process.h"

#include "log.h"

namespace pelmora::sim_terminal {

namespace {
constexpr DWORD kGraceMs = 1000;
}

PanelProcess::~PanelProcess() {
  if (!process_.get() || exit_code()) return;
  if (WaitForSingleObject(process_.get(), kGraceMs) == WAIT_OBJECT_0) return;
  log_line(L"the panel did not end with its terminal; ending it");
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), kGraceMs);
}

bool PanelProcess::start(const std::wstring& program, const std::wstring& parameter,
                         std::wstring* error) {
  const DWORD attributes = GetFileAttributesW(program.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    *error = L"panel program not found: " + program;
    return false;
  }
  std::wstring folder = program;
  const size_t slash = folder.find_last_of(L"\\/");
  folder = slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
  std::wstring command_line = L"\"" + program + L"\" " + parameter;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // A start can fail for a moment while an earlier panel is still being torn down (seen under
  // Wine as an internal error); the program is there, so it is tried a few times.
  constexpr int kTries = 3;
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
      break;
    }
    const DWORD failure = GetLastError();
    if (attempt == kTries) {
      *error = L"cannot start " + program + L" (error " + std::to_wstring(failure) + L")";
      return false;
    }
    log_line(L"starting the panel failed (error " + std::to_wstring(failure) + L"); trying again");
    Sleep(300);
  }
  CloseHandle(info.hThread);
  process_ = UniqueKernelHandle(info.hProcess);
  pid_ = info.dwProcessId;
  return true;
}

std::optional<DWORD> PanelProcess::exit_code() const {
  if (!process_.get() || WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

}  // namespace pelmora::sim_terminal
