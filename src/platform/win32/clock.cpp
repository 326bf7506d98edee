// GetLocalTime and GetTickCount64.
#include "platform/win32/clock.h"

#include <windows.h>

namespace pelmora::platform::win32 {

LocalTime Win32Clock::local_now() const noexcept {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

std::int64_t Win32Clock::steady_ms() const noexcept {
  return static_cast<std::int64_t>(GetTickCount64());
}

}  // namespace pelmora::platform::win32
