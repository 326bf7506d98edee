// The panel program started by the terminal, as the expert starts it: `pelmora.exe <chart>`.
// The process handle is kept so that its end can be reported.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "handles.h"

namespace pelmora::sim_terminal {

class PanelProcess {
 public:
  PanelProcess() = default;
  PanelProcess(const PanelProcess&) = delete;
  PanelProcess& operator=(const PanelProcess&) = delete;
  // A panel still running when its terminal goes is given a second to end by itself
  // (its chart is gone), then ended, so that no panel outlives the terminal.
  ~PanelProcess();

  // Starts `program` with `parameter` as its only argument, in the program's folder. False
  // with the reason in `error` when it cannot be started.
  bool start(const std::wstring& program, const std::wstring& parameter, std::wstring* error);

  bool started() const { return process_.get() != nullptr; }
  DWORD pid() const { return pid_; }
  HANDLE handle() const { return process_.get(); }
  // The exit code once the process has ended; nothing while it runs or when never started.
  std::optional<DWORD> exit_code() const;

 private:
  UniqueKernelHandle process_;
  DWORD pid_ = 0;
};

}  // namespace pelmora::sim_terminal
