// The user's web browser: the system hands it an address.
#pragma once

#include <string_view>

#include "platform/window_ref.h"

namespace pelmora::platform {

class Browser {
 public:
  virtual ~Browser() = default;
  // Asks the system to open `url` in the default browser; `owner` (kNoWindow for none) parents
  // anything the system shows on the way. Whether it worked is not reported.
  virtual void open_url(std::string_view url, WindowRef owner) noexcept = 0;
};

}  // namespace pelmora::platform
