// The time on Windows: the local time of the system's time zone and the tick count.
#pragma once

#include "platform/clock.h"

namespace pelmora::platform::win32 {

class Win32Clock final : public Clock {
 public:
  LocalTime local_now() const noexcept override;
  std::int64_t steady_ms() const noexcept override;
};

}  // namespace pelmora::platform::win32
