// The SL/TP window on the real form under Wine: the modal message of a spin step read and closed
// by a user thread, and the user's decimal separator. Its fill and Apply run end to end in
// tests/e2e.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <tuple>
#include <utility>

#include "box_user.h"
#include "form_support.h"
#include "platform/win32/locale.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/window_text.h"

namespace pelmora::win32_test {
namespace {

using platform::win32::window_text;

void set_text(HWND hwnd, const wchar_t* text) {
  SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// A press and release on the left (down) or right (up) half of a spin pair.
void spin_click(HWND spin, bool up) {
  RECT r{};
  GetClientRect(spin, &r);
  const int x = up ? r.right * 3 / 4 : r.right / 4;
  mouse(spin, WM_LBUTTONDOWN, MK_LBUTTON, x, r.bottom / 2);
  mouse(spin, WM_LBUTTONUP, 0, x, r.bottom / 2);
}

TEST(TpSlWindow, ASpinStepOnAFieldThatIsNoNumberShowsTheMessageAndGivesTheFocusBack) {
  platform::win32::Win32MessageBoxes boxes;
  RealForm f(&boxes);
  for (const auto& [spin, up, field] : {std::tuple{"RzSpinButtons1", false, "Edit3"},
                                        std::tuple{"RzSpinButtons2", true, "Edit2"}}) {
    set_text(f.hwnd(field), L"abc,");
    BoxUser user;
    spin_click(f.hwnd(spin), up);
    const auto seen = user.seen();
    ASSERT_TRUE(seen) << spin;
    EXPECT_EQ(seen->text, L"Введено неверное значение!");
    EXPECT_EQ(seen->buttons, 1);
    EXPECT_EQ(window_text(f.hwnd(field)), "abc.");
    EXPECT_EQ(GetFocus(), f.hwnd(field)) << spin;
  }
}

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
