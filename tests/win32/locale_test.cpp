// The user's decimal separator as the real locale reports it. A spin step's refusal on the SL/TP
// window is the native field table's; its modal box and the focus coming back, the lot spin's.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "platform/win32/locale.h"

namespace pelmora::win32_test {
namespace {

TEST(Win32Locale, FollowsTheUsersDecimalSeparator) {
  wchar_t saved[8]{};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved, 8);
  for (const auto& [wide, utf8] : {std::pair{L",", ","}, std::pair{L".", "."}}) {
    ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, wide));
    EXPECT_EQ(platform::win32::Win32Locale().decimal_separator(), utf8);
  }
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, saved);
}

}  // namespace
}  // namespace pelmora::win32_test
