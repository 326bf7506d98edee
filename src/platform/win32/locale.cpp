// LOCALE_SDECIMAL of the user's default locale, which includes the user's own override.
#include "platform/win32/locale.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace pelmora::platform::win32 {

std::string Win32Locale::decimal_separator() const noexcept {
  wchar_t buf[8]{};  // the system allows at most three characters and the terminator
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8);
  if (length <= 1) return ".";
  return to_utf8(std::wstring_view(buf, static_cast<size_t>(length - 1)));
}

}  // namespace pelmora::platform::win32
