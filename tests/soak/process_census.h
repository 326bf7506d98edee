// What one look at the panel's process finds: its windows, and where the system reports them,
// its handles, GDI and USER objects and its resident memory. Under Wine the memory is read from
// the Linux process that carries it (/proc through the Z: drive), since that is what the
// machine really spends.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/gdi_handles.h"

namespace pelmora::soak {

struct Census {
  int windows = 0;
  std::optional<double> handles, gdi_objects, user_objects, rss_kb;
};

class ProcessCensus {
 public:
  // `process_id` is the panel's. Its Linux process is the one whose command line is
  // `program` (the full Windows path, unique to this build tree) then `parameter`: other
  // builds on the machine run panels too, often with the same parameter.
  ProcessCensus(DWORD process_id, const std::wstring& program, const std::wstring& parameter);
  Census take();
  // The Linux process whose memory is read; 0 when none was found (not under Wine).
  int linux_pid() const { return linux_pid_; }

 private:
  DWORD process_id_;
  platform::win32::UniqueHandle<HANDLE, CloseHandle> process_;
  int linux_pid_ = 0;
};

}  // namespace pelmora::soak
