// The lot spin pair on real windows, through the form's own handlers: a press steps on release
// over the half it began on and repeats while held; over an unreadable lot the up half brings up
// a plain box that a user thread reads and closes, and the focus comes back to the lot field.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "box_user.h"
#include "form/names.h"
#include "form_support.h"
#include "platform/win32/message_boxes.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

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
  BoxUser user;
  click(13, 13);  // returns once the box is closed
  const auto seen = user.seen();
  ASSERT_TRUE(seen) << "no box came up";
  EXPECT_EQ(seen->text, L"Lot size error!");
  EXPECT_EQ(seen->buttons, 1);
  EXPECT_FALSE(seen->icon);
  EXPECT_EQ(GetFocus(), f.hwnd(names::kLotField));
  EXPECT_EQ(lot.text(), "1.5.5");
}

}  // namespace
}  // namespace pelmora::win32_test
