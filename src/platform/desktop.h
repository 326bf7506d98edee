// The user's desktop: the system's own handlers open an address (the web browser) or a file
// (whatever program the user has for its kind).
#pragma once

#include <string_view>

#include "platform/window_ref.h"

namespace pelmora::platform {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // Asks the system to open `url` in the default browser; `owner` (kNoWindow for none) parents
  // anything the system shows on the way. Whether it worked is not reported.
  virtual void open_url(std::string_view url, WindowRef owner) noexcept = 0;
  // Asks the system to open the file at `path` with the program it has for the file's kind, as
  // a double click in the file manager would; as open_url otherwise.
  virtual void open_file(std::string_view path, WindowRef owner) noexcept = 0;
};

}  // namespace pelmora::platform
