// The real form under Wine: the window's shape after panel changes, panel drags made of real
// mouse messages, refresh_panel_buttons on the native windows, the exchange fields as the expert
// finds them, and Tab. The shortcut menu is opened by real right clicks in tests/e2e.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "form/layout.h"
#include "form/names.h"
#include "form/refresh_panel_buttons.h"
#include "form/window_shape.h"
#include "form_support.h"
#include "platform/virtual_keys.h"
#include "platform/win32/window_text.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

void drag(HWND hwnd, int from_x, int from_y, int to_x, int to_y) {
  mouse(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, from_x, from_y);
  mouse(hwnd, WM_MOUSEMOVE, MK_LBUTTON, (from_x + to_x) / 2, (from_y + to_y) / 2);
  mouse(hwnd, WM_LBUTTONUP, 0, to_x, to_y);
}

// A release with no press before it is the native form test's; it takes no Win32 path of its own.
TEST(FormWindow, PanelsLandWhereTheMouseWentOnlyOnReleaseAndTheShapeFollows) {
  RealForm f;
  EXPECT_TRUE(f.shape_is_visible_children());
  f.controls->control(names::kStopLevelsPanel).set_visible(true);
  HWND tpsl = f.hwnd(names::kStopLevelsPanel);
  mouse(tpsl, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
  mouse(tpsl, WM_MOUSEMOVE, MK_LBUTTON, 30, 20);
  EXPECT_EQ(f.place(names::kStopLevelsPanel).left, 328);  // the panel waits for the release
  SetWindowRgn(f.form(), nullptr, FALSE);
  mouse(tpsl, WM_LBUTTONUP, 0, 32, 21);
  EXPECT_EQ(f.place(names::kStopLevelsPanel).left, 350);
  EXPECT_EQ(f.place(names::kStopLevelsPanel).top, 75);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(f.shape_is_visible_children());  // rebuilt on release

  SetWindowRgn(f.form(), nullptr, FALSE);
  drag(f.hwnd(names::kMainPanel), 40, 40, 40, 40);  // zero length: same place, shape still rebuilt
  EXPECT_EQ(f.place(names::kMainPanel).left, 0);    // a first start
  EXPECT_TRUE(f.shape_is_visible_children());
  drag(f.hwnd(names::kStopLevelsTitle), 1, 1, 50, 50);  // an unbound label does not drag its panel
  EXPECT_EQ(f.place(names::kStopLevelsPanel).left, 350);

  // Nothing visible: an empty shape, not the whole window.
  for (const form::ControlSpec& spec : form::controls()) {
    if (spec.parent.empty()) f.controls->control(spec.name).set_visible(false);
  }
  form::rebuild_window_region(*f.controls);
  EXPECT_TRUE(f.shape_is_visible_children());
}

// Counts WM_SHOWWINDOW per window: hiding and showing a window sends two.
std::map<HWND, int> g_show_messages;
LRESULT CALLBACK count_shows(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_SHOWWINDOW) ++g_show_messages[hwnd];
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

std::string state_of(HWND h) {
  return std::to_string((GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0) +
         std::to_string(IsWindowEnabled(h) != FALSE) + platform::win32::window_text(h);
}

TEST(FormWindow, RefreshPanelButtonsRepaintsOnlyThePanelsPushButtonsAndChangesNoState) {
  RealForm f;
  f.controls->control(names::kTrailingButton).set_enabled(false);
  f.controls->control(names::kSettingsApply).set_visible(false);
  f.controls->control(names::kSettingsPanel).set_visible(true);
  std::map<std::string_view, std::string> before;
  for (const form::ControlSpec& s : form::controls()) {
    SetWindowSubclass(f.hwnd(s.name), count_shows, 1, 0);
    before[s.name] = state_of(f.hwnd(s.name));
  }
  MSG key;
  while (PeekMessageW(&key, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
  }
  g_show_messages.clear();
  form::refresh_panel_buttons(*f.controls);

  for (const form::ControlSpec& s : form::controls()) {
    HWND h = f.hwnd(s.name);
    EXPECT_EQ(state_of(h), before[s.name]) << s.name;
    const bool repainted =
        s.kind == form::ControlKind::kPushButton && s.name != names::kSettingsApply;
    EXPECT_EQ(g_show_messages[h], repainted ? 2 : 0) << s.name;
    RemoveWindowSubclass(h, count_shows, 1);
  }
  for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {  // Alt pressed and let go
    ASSERT_TRUE(PeekMessageW(&key, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
    EXPECT_EQ(key.message, message);
    EXPECT_EQ(key.wParam, static_cast<WPARAM>(platform::kVkAlt));
  }
}

TEST(FormWindow, SeeThroughWindowWhoseExchangeFieldsTheExpertFindsByIdentifier) {
  RealForm f;
  EXPECT_TRUE(GetWindowLongPtrW(f.form(), GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(GetWindowLongPtrW(f.form(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(f.form(), &key, nullptr, &flags));
  EXPECT_EQ(key, static_cast<COLORREF>(3621450));
  EXPECT_TRUE(flags & LWA_COLORKEY);
  EXPECT_TRUE(SendMessageW(f.form(), WM_GETICON, ICON_BIG, 0));
  int id = 1001;
  for (const char* name : {"IN_ORDERS", "IN_READ_COMMAND", "IN_ASK_BID", "IN_ORDER_PROPERTY",
                           "OUT_SELECTED_ORDER", "OUT_COMMAND"}) {
    EXPECT_EQ(GetDlgItem(f.form(), id++), f.hwnd(name)) << name;
    EXPECT_TRUE(IsWindowVisible(f.hwnd(name))) << name;
  }
  EXPECT_FALSE(GetWindowLongPtrW(f.hwnd(names::kLotField), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongPtrW(f.hwnd(names::kStopLossPrice), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

// The order itself is the native tab-order table's; here the real focus moves, and what cannot
// take it is what is disabled or hidden.
TEST(FormWindow, TabFollowsThePanelsTabOrderAndSkipsDisabledAndHiddenControls) {
  RealForm f;
  f.controls->control(names::kStopLevelsPanel).set_visible(true);
  SetForegroundWindow(f.form());
  auto tab_from = [&](std::string_view name) {
    SetFocus(f.hwnd(name));
    EXPECT_TRUE(f.controls->handle_tab(MSG{f.hwnd(name), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}}));
    return GetFocus();
  };
  EXPECT_EQ(tab_from(names::kTakeProfitDistance),
            f.hwnd(names::kStopLossDistance));  // not the left-to-right order
  EXPECT_EQ(tab_from(names::kStopLevelsApply), f.hwnd(names::kStopLossPrice));  // wraps round
  f.controls->control(names::kStopLevelsButton).set_enabled(false);
  f.controls->control(names::kTrailingButton).set_visible(false);
  EXPECT_EQ(tab_from(names::kLotSpin), f.hwnd(names::kCloseButton));
  EXPECT_FALSE(
      f.controls->handle_tab(MSG{f.hwnd(names::kStopLossPrice), WM_KEYDOWN, 'A', 0, 0, {0, 0}}));
}

}  // namespace
}  // namespace pelmora::win32_test
