// What a user meets of the Win32 roles directly: the way back to the UI thread and its error box
// for a task that throws, the lot spin pair with its plain box for an unreadable lot (each box
// read and closed by a user on another thread), and the user's decimal separator.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "box_watcher.h"
#include "form/names.h"
#include "form_support.h"
#include "platform/win32/locale.h"
#include "platform/win32/message_boxes.h"
#include "platform/win32/ui_thread.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

TEST(Win32UiThread, TasksPostedFromAnotherThreadRunHereInOrderAndAFailureIsShown) {
  platform::win32::Win32UiThread ui;
  std::vector<DWORD> ran;  // the thread each task ran on
  BoxWatcher user;
  std::thread([&] {
    ui.post([&] { ran.push_back(GetCurrentThreadId()); });
    ui.post([] { throw std::runtime_error("the download failed"); });
    ui.post([&] { ran.push_back(GetCurrentThreadId() + 1); });
  }).join();
  EXPECT_TRUE(ran.empty());  // nothing runs before the message loop does
  ASSERT_TRUE(pump_until([&] { return ran.size() == 2; }));
  EXPECT_EQ(ran, (std::vector{GetCurrentThreadId(), GetCurrentThreadId() + 1}));
  const auto seen = user.finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, L"the download failed");
  EXPECT_TRUE(seen[0].icon);  // an error box, unlike the lot spin's plain one
}

// A press steps on release over the half it began on and repeats while held; over an unreadable
// lot the up half brings up a plain box, and the focus comes back to the lot field.
TEST(LotSpin, StepsOnReleaseRepeatsWhileHeldAndAnUnreadableLotShowsAPlainBox) {
  platform::win32::Win32MessageBoxes boxes;
  RealForm f(&boxes);
  platform::Edit& lot = f.controls->edit(names::kLotField);  // the lot step is 0.01
  HWND spin = f.hwnd(names::kLotSpin);
  const auto click = [&](int press_x, int release_x) {
    mouse(spin, WM_LBUTTONDOWN, MK_LBUTTON, press_x, 9);
    mouse(spin, WM_LBUTTONUP, 0, release_x, 9);
  };
  lot.set_text("1");
  click(13, 13);  // the up (right) half
  EXPECT_EQ(lot.text(), "1.01");
  click(3, 3);   // the down (left) half
  click(3, 40);  // released elsewhere: no step
  EXPECT_EQ(lot.text(), "1.00");
  mouse(spin, WM_LBUTTONDOWN, MK_LBUTTON, 13, 9);
  EXPECT_TRUE(pump_until([&] { return std::stod(lot.text()) > 1.025; }));  // held: repeats
  mouse(spin, WM_LBUTTONUP, 0, 13, 9);
  const std::string held = lot.text();
  pump_for(300);
  EXPECT_EQ(lot.text(), held);  // the release adds none and the repeat stops

  lot.set_text("1,5,5");
  BoxWatcher user;
  click(13, 13);  // returns once the box is closed
  const auto seen = user.finish();
  ASSERT_EQ(seen.size(), 1u) << "no box came up, or more than one";
  EXPECT_EQ(
      seen[0].text + L" " + std::to_wstring(seen[0].buttons) + (seen[0].icon ? L" icon" : L""),
      L"Lot size error! 1");
  EXPECT_EQ(GetFocus(), f.hwnd(names::kLotField));
  EXPECT_EQ(lot.text(), "1.5.5");
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
