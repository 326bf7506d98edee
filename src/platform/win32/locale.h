// The user's regional settings on Windows (GetLocaleInfoEx of the user's default locale).
#pragma once

#include "platform/locale.h"

namespace pelmora::platform::win32 {

class Win32Locale final : public Locale {
 public:
  std::string decimal_separator() const noexcept override;
};

}  // namespace pelmora::platform::win32
