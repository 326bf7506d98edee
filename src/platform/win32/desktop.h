// The desktop on Windows, through the shell: ShellExecuteW with the verb "open".
#pragma once

#include "platform/desktop.h"

namespace pelmora::platform::win32 {

class Win32Desktop final : public Desktop {
 public:
  void open_url(std::string_view url, WindowRef owner) noexcept override;
  void open_file(std::string_view path, WindowRef owner) noexcept override;
};

}  // namespace pelmora::platform::win32
