// The browser on Windows, through the shell: ShellExecuteW with the verb "open".
#pragma once

#include "platform/browser.h"

namespace pelmora::platform::win32 {

class Win32Browser final : public Browser {
 public:
  void open_url(std::string_view url, WindowRef owner) noexcept override;
};

}  // namespace pelmora::platform::win32
