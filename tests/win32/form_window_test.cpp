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
#include "link/exchange_fields.h"
#include "platform/virtual_keys.h"
#include "platform/win32/window_text.h"

namespace pelmora::win32_test {

namespace names = pelmora::form::names;
namespace {

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

  // An unbound label does not drag its panel.
  mouse(f.hwnd(names::kStopLevelsTitle), WM_LBUTTONDOWN, MK_LBUTTON, 1, 1);
  mouse(f.hwnd(names::kStopLevelsTitle), WM_LBUTTONUP, 0, 50, 50);
  EXPECT_EQ(f.place(names::kStopLevelsPanel).left, 350);

  // Nothing visible: an empty shape, not the whole window.
  for (const form::ControlSpec& spec : form::controls()) {
    if (spec.parent.empty()) f.controls->control(spec.name).set_visible(false);
  }
  form::rebuild_window_region(*f.controls);
  EXPECT_TRUE(f.shape_is_visible_children());
}

// Repainting is a hide and a show (two WM_SHOWWINDOW) of each visible push button on a panel; no
// control's state changes, and Alt is pressed and let go on the form.
TEST(FormWindow, RefreshPanelButtonsRepaintsOnlyThePanelsPushButtonsAndChangesNoState) {
  RealForm f;
  f.controls->control(names::kTrailingButton).set_enabled(false);
  f.controls->control(names::kSettingsApply).set_visible(false);
  f.controls->control(names::kSettingsPanel).set_visible(true);
  std::map<HWND, int> shows;
  const SUBCLASSPROC count = [](HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
    if (m == WM_SHOWWINDOW) ++(*reinterpret_cast<std::map<HWND, int>*>(data))[h];
    return DefSubclassProc(h, m, w, l);
  };
  const auto states = [&] {
    std::string text;
    for (const form::ControlSpec& s : form::controls()) {
      HWND h = f.hwnd(s.name);
      text += std::to_string((GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0) +
              std::to_string(IsWindowEnabled(h)) + platform::win32::window_text(h) + "|";
    }
    return text;
  };
  for (const form::ControlSpec& s : form::controls()) {
    SetWindowSubclass(f.hwnd(s.name), count, 1, reinterpret_cast<DWORD_PTR>(&shows));
  }
  const std::string before = states();
  MSG key;
  while (PeekMessageW(&key, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
  }
  form::refresh_panel_buttons(*f.controls);
  EXPECT_EQ(states(), before);
  for (const form::ControlSpec& s : form::controls()) {
    const bool repainted =
        s.kind == form::ControlKind::kPushButton && s.name != names::kSettingsApply;
    EXPECT_EQ(shows[f.hwnd(s.name)], repainted ? 2 : 0) << s.name;
    RemoveWindowSubclass(f.hwnd(s.name), count, 1);
  }
  for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    ASSERT_TRUE(PeekMessageW(&key, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
    EXPECT_EQ(std::pair(key.message, key.wParam),
              std::pair(message, static_cast<WPARAM>(platform::kVkAlt)));
  }
}

TEST(FormWindow, SeeThroughWindowWhoseExchangeFieldsTheExpertFindsByIdentifier) {
  RealForm f;
  COLORREF key = 0;
  DWORD flags = 0;
  f.controls->window().set_visible(true);  // keyed at its first show
  pump_for(20);
  ASSERT_TRUE(GetLayeredWindowAttributes(f.form(), &key, nullptr, &flags));
  EXPECT_TRUE(key == 3621450 && (flags & LWA_COLORKEY));
  EXPECT_FALSE(GetWindowLongPtrW(f.form(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_TRUE(SendMessageW(f.form(), WM_GETICON, ICON_BIG, 0));
  for (const link::ExchangeFieldId& field : link::kExchangeFields) {
    EXPECT_EQ(GetDlgItem(f.form(), field.control_id), f.hwnd(field.name)) << field.name;
    EXPECT_TRUE(IsWindowVisible(f.hwnd(field.name))) << field.name;
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
