// The desktop shell on Windows: ShellExecuteW with the verb "open".
#pragma once

#include "platform/shell.h"

namespace pelmora::platform::win32 {

class Win32Shell final : public Shell {
 public:
  void open_url(std::string_view url, WindowRef owner) override;
};

}  // namespace pelmora::platform::win32
