// The time as the core asks for it: the local wall-clock time, for what a person reads, and a
// steady count of milliseconds, for how long something took.
#pragma once

#include <cstdint>

namespace pelmora::platform {

struct LocalTime {
  int year = 0, month = 0, day = 0;  // month and day from 1
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The date and time of the user's time zone now.
  virtual LocalTime local_now() const noexcept = 0;
  // Milliseconds from some fixed moment; never goes back, whatever the wall clock does.
  virtual std::int64_t steady_ms() const noexcept = 0;
};

}  // namespace pelmora::platform
