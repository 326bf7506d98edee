// The lot spin's message on real windows: a press on the up half over an unreadable lot brings
// up a plain box that a user thread reads and closes, and the focus comes back to the lot field.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "form_support.h"
#include "platform/win32/message_boxes.h"

namespace pelmora::win32_test {
namespace {

// What the user saw in the message box.
struct SeenBox {
  std::wstring text;
  int buttons = 0;      // visible push buttons
  bool only_ok = true;  // every one of them is OK
  bool icon = false;    // a visible static showing an icon
};

BOOL CALLBACK note_child(HWND child, LPARAM param) {
  auto& seen = *reinterpret_cast<SeenBox*>(param);
  wchar_t cls[32] = {};
  GetClassNameW(child, cls, 32);
  const LONG style = GetWindowLongW(child, GWL_STYLE);
  if (!IsWindowVisible(child)) return TRUE;
  if (lstrcmpiW(cls, L"Button") == 0) {
    ++seen.buttons;
    seen.only_ok = seen.only_ok && GetDlgCtrlID(child) == IDOK;
  } else if (lstrcmpiW(cls, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
    // The box may keep its icon static without an icon in it: only a shown icon counts.
    seen.icon = seen.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
  }
  return TRUE;
}

TEST(LotSpin, AnUnreadableLotShowsAPlainBoxThenTheFocusIsBackInTheField) {
  platform::win32::Win32MessageBoxes boxes;
  RealForm f(&boxes);
  f.controls->edit("Edit12").set_text("1,5,5");
  SeenBox seen;
  std::atomic<bool> stop{false};
  std::thread user([&] {
    for (int i = 0; i < 1000 && !stop; ++i) {  // gives up after about ten seconds
      if (HWND box = FindWindowW(L"#32770", L"pelmora_win32_tests")) {
        wchar_t text[200] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 200);  // the message text's fixed identifier
        seen.text = text;
        EnumChildWindows(box, note_child, reinterpret_cast<LPARAM>(&seen));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  });
  HWND spin = f.hwnd("RzSpinButtons8");
  mouse(spin, WM_LBUTTONDOWN, MK_LBUTTON, 13, 9);  // the up (right) half
  mouse(spin, WM_LBUTTONUP, 0, 13, 9);             // returns once the box is closed
  stop = true;
  user.join();

  EXPECT_EQ(seen.text, L"Lot size error!");
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.only_ok);
  EXPECT_FALSE(seen.icon);
  EXPECT_EQ(GetFocus(), f.hwnd("Edit12"));
  EXPECT_EQ(f.controls->edit("Edit12").text(), "1.5.5");
}

}  // namespace
}  // namespace pelmora::win32_test
