// The lot spin's message on real windows: a press on the up half over an unreadable lot brings
// up a plain box that a user thread reads and closes, and the focus comes back to the lot field.
#include <gtest/gtest.h>
#include <windows.h>

#include "box_user.h"
#include "form_support.h"
#include "platform/win32/message_boxes.h"

namespace pelmora::win32_test {
namespace {

TEST(LotSpin, AnUnreadableLotShowsAPlainBoxThenTheFocusIsBackInTheField) {
  platform::win32::Win32MessageBoxes boxes;
  RealForm f(&boxes);
  f.controls->edit("Edit12").set_text("1,5,5");
  BoxUser user;
  HWND spin = f.hwnd("RzSpinButtons8");
  mouse(spin, WM_LBUTTONDOWN, MK_LBUTTON, 13, 9);  // the up (right) half
  mouse(spin, WM_LBUTTONUP, 0, 13, 9);             // returns once the box is closed
  const auto seen = user.seen();

  ASSERT_TRUE(seen) << "no box came up";
  EXPECT_EQ(seen->text, L"Lot size error!");
  EXPECT_EQ(seen->buttons, 1);
  EXPECT_FALSE(seen->icon);
  EXPECT_EQ(GetFocus(), f.hwnd("Edit12"));
  EXPECT_EQ(f.controls->edit("Edit12").text(), "1.5.5");
}

}  // namespace
}  // namespace pelmora::win32_test
