// The desktop shell: hands an address to the user's default web browser.
#pragma once

#include <string_view>

#include "platform/window_ref.h"

namespace pelmora::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the system to open `url` in the default browser; `owner` (kNoWindow for none) parents
  // anything the system shows on the way. Whether it worked is not reported. Never throws.
  virtual void open_url(std::string_view url, WindowRef owner) = 0;
};

}  // namespace pelmora::platform
