// The real form under Wine: the window's shape after panel changes, panel drags made of real
// mouse messages, the shortcut menu, and RefreshPanelButtons on the native windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "form_support.h"
#include "platform/win32/window_text.h"
#include "shell/layout.h"
#include "terminal/refresh_panel_buttons.h"

namespace pelmora::win32_test {
namespace {

bool same_region(HRGN a, HRGN b) {
  return a && b && EqualRgn(a, b);
}

void expect_shape_is_visible_children(RealForm& f) {
  HRGN expected = f.expected_shape();
  HRGN actual = f.current_shape();
  EXPECT_TRUE(same_region(expected, actual));
  DeleteObject(expected);
  if (actual) DeleteObject(actual);
}

TEST(FormWindow, ShapeIsTheUnionOfTheVisibleDirectChildren) {
  RealForm f;
  expect_shape_is_visible_children(f);
  HRGN shape = f.current_shape();
  ASSERT_TRUE(shape);
  EXPECT_TRUE(PtInRegion(shape, 30, 30));     // main
  EXPECT_TRUE(PtInRegion(shape, 740, 40));    // IN_ORDERS
  EXPECT_FALSE(PtInRegion(shape, 400, 100));  // SET_TP_SL_WND, hidden
  DeleteObject(shape);

  f.controls->control("SET_TP_SL_WND").set_visible(true);
  f.controls->control("main").set_visible(false);
  f.tform->RebuildWindowRegion();
  expect_shape_is_visible_children(f);
  shape = f.current_shape();
  EXPECT_TRUE(PtInRegion(shape, 400, 100));
  EXPECT_FALSE(PtInRegion(shape, 30, 30));
  DeleteObject(shape);

  for (std::string_view name : shell::kPanelNames) f.controls->control(name).set_visible(false);
  f.tform->RebuildWindowRegion();
  expect_shape_is_visible_children(f);
}

TEST(FormWindow, FloatingPanelDragFromRealMouseMessages) {
  RealForm f;
  HWND panel = f.hwnd("SET_TP_SL_WND");
  f.controls->control("SET_TP_SL_WND").set_visible(true);
  mouse(panel, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
  mouse(panel, WM_MOUSEMOVE, MK_LBUTTON, 15, 12);
  mouse(panel, WM_MOUSEMOVE, MK_LBUTTON, 30, 20);
  RECT during = f.place("SET_TP_SL_WND");
  EXPECT_EQ(during.left, 328);  // the panel waits for the release
  SetWindowRgn(f.form(), nullptr, FALSE);
  mouse(panel, WM_LBUTTONUP, 0, 32, 21);
  RECT after = f.place("SET_TP_SL_WND");
  EXPECT_EQ(after.left, 350);
  EXPECT_EQ(after.top, 75);
  EXPECT_EQ(GetCapture(), nullptr);
  expect_shape_is_visible_children(f);  // rebuilt on release
}

TEST(FormWindow, MainDragsByItsBoundLabelsAndZeroLengthDragKeepsThePlace) {
  RealForm f;
  HWND title = f.hwnd("Label7");
  mouse(title, WM_LBUTTONDOWN, MK_LBUTTON, 3, 4);
  mouse(title, WM_MOUSEMOVE, MK_LBUTTON, 53, 4);
  mouse(title, WM_LBUTTONUP, 0, 103, -16);
  RECT main = f.place("main");
  EXPECT_EQ(main.left, 124);
  EXPECT_EQ(main.top, 4);

  SetWindowRgn(f.form(), nullptr, FALSE);
  mouse(f.hwnd("main"), WM_LBUTTONDOWN, MK_LBUTTON, 40, 40);
  mouse(f.hwnd("main"), WM_LBUTTONUP, 0, 40, 40);
  main = f.place("main");
  EXPECT_EQ(main.left, 124);
  EXPECT_EQ(main.top, 4);
  expect_shape_is_visible_children(f);  // still rebuilt

  // An unbound label does not drag its panel.
  f.controls->control("SET_TSL_WND").set_visible(true);
  mouse(f.hwnd("Label4"), WM_LBUTTONDOWN, MK_LBUTTON, 1, 1);
  mouse(f.hwnd("Label4"), WM_LBUTTONUP, 0, 50, 50);
  EXPECT_EQ(f.place("SET_TSL_WND").left, 14);
}

// Closes any shortcut menu once it is open and notes that one was.
bool g_menu_seen = false;
void CALLBACK close_menu(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  if (menu && IsWindowVisible(menu)) {
    g_menu_seen = true;
    EndMenu();
    KillTimer(nullptr, id);
  }
}

TEST(FormWindow, RightButtonOpensTheMenuAndNeverDrags) {
  RealForm f;
  for (std::string_view name : shell::kPanelNames) f.controls->control(name).set_visible(true);
  for (std::string_view name : shell::kPanelNames) {
    HWND panel = f.hwnd(name);
    const RECT before = f.place(name);
    g_menu_seen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, close_menu);
    mouse(panel, WM_RBUTTONDOWN, MK_RBUTTON, 5, 5);
    mouse(panel, WM_MOUSEMOVE, MK_RBUTTON, 60, 60);
    // The release raises the shortcut menu, which runs until the timer closes it.
    mouse(panel, WM_RBUTTONUP, 0, 60, 60);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_menu_seen) << name;
    EXPECT_FALSE(f.tform->drag_state().Dragging) << name;
    const RECT after = f.place(name);
    EXPECT_EQ(after.left, before.left) << name;
    EXPECT_EQ(after.top, before.top) << name;
  }
}

TEST(FormWindow, ReleaseWithoutPressPlacesFromTheLastOutline) {
  RealForm f;
  mouse(f.hwnd("main"), WM_LBUTTONDOWN, MK_LBUTTON, 0, 0);
  mouse(f.hwnd("main"), WM_LBUTTONUP, 0, 6, 0);  // main to 30, 24; the outline stays at 24, 24
  f.controls->control("SET_TSL_WND").set_visible(true);
  mouse(f.hwnd("SET_TSL_WND"), WM_LBUTTONUP, 0, 10, 5);
  RECT tsl = f.place("SET_TSL_WND");
  EXPECT_EQ(tsl.left, 34);
  EXPECT_EQ(tsl.top, 29);
}

// Counts WM_SHOWWINDOW per window: hiding and showing a window sends two.
std::map<HWND, int> g_show_messages;
LRESULT CALLBACK count_shows(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                             DWORD_PTR) {
  if (message == WM_SHOWWINDOW) ++g_show_messages[hwnd];
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

struct ControlState {
  bool visible;
  bool enabled;
  std::string text;
  bool operator==(const ControlState&) const = default;
};

TEST(FormWindow, RefreshPanelButtonsRepaintsOnlyThePanelsPushButtons) {
  RealForm f;
  f.controls->control("Button4").set_enabled(false);
  f.controls->control("Button13").set_visible(false);
  f.controls->control("Properties").set_visible(true);
  std::map<std::string, ControlState> before;
  for (const shell::ControlSpec& s : shell::controls()) {
    HWND h = f.hwnd(s.name);
    SetWindowSubclass(h, count_shows, 1, 0);
    before[std::string(s.name)] = {(GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0,
                                   IsWindowEnabled(h) != FALSE, platform::win32::window_text(h)};
  }
  MSG stale;
  while (PeekMessageW(&stale, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE)) {
  }
  g_show_messages.clear();
  f.tform->RefreshPanelButtons();

  for (const shell::ControlSpec& s : shell::controls()) {
    HWND h = f.hwnd(s.name);
    const ControlState now{(GetWindowLongPtrW(h, GWL_STYLE) & WS_VISIBLE) != 0,
                           IsWindowEnabled(h) != FALSE, platform::win32::window_text(h)};
    EXPECT_EQ(now, before[std::string(s.name)]) << s.name;
    const bool repainted = s.kind == shell::ControlKind::kPushButton && s.name != "Button13";
    EXPECT_EQ(g_show_messages[h], repainted ? 2 : 0) << s.name;
    RemoveWindowSubclass(h, count_shows, 1);
  }
  MSG key{};
  ASSERT_TRUE(PeekMessageW(&key, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
  EXPECT_EQ(key.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(key.wParam, static_cast<WPARAM>(terminal::kAltKey));
  ASSERT_TRUE(PeekMessageW(&key, f.form(), WM_KEYDOWN, WM_KEYUP, PM_REMOVE));
  EXPECT_EQ(key.message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(key.wParam, static_cast<WPARAM>(terminal::kAltKey));
}

TEST(FormWindow, WindowAndExchangeFieldsAsDesigned) {
  RealForm f;
  const LONG_PTR ex = GetWindowLongPtrW(f.form(), GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_LAYERED);
  EXPECT_FALSE(GetWindowLongPtrW(f.form(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(f.form(), &key, nullptr, &flags));
  EXPECT_EQ(key, static_cast<COLORREF>(3621450));
  EXPECT_TRUE(flags & LWA_COLORKEY);
  EXPECT_TRUE(SendMessageW(f.form(), WM_GETICON, ICON_BIG, 0));

  const struct {
    int id;
    const char* name;
    RECT place;
  } fields[] = {{1001, "IN_ORDERS", {736, 32, 865, 121}},
                {1002, "IN_READ_COMMAND", {736, 128, 857, 149}},
                {1003, "IN_ASK_BID", {736, 160, 857, 181}},
                {1004, "IN_ORDER_PROPERTY", {736, 264, 857, 285}},
                {1005, "OUT_SELECTED_ORDER", {736, 200, 857, 221}},
                {1006, "OUT_COMMAND", {736, 288, 857, 309}}};
  for (const auto& field : fields) {
    HWND h = GetDlgItem(f.form(), field.id);
    ASSERT_EQ(h, f.hwnd(field.name)) << field.name;
    const RECT r = f.place(field.name);
    EXPECT_TRUE(EqualRect(&r, &field.place)) << field.name;
    EXPECT_TRUE(IsWindowVisible(h)) << field.name;
  }
  EXPECT_FALSE(GetWindowLongPtrW(f.hwnd("Edit12"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongPtrW(f.hwnd("Edit1"), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  // The link runs on the real window: order lines typed into IN_ORDERS fill the list.
  SetWindowTextW(f.hwnd("IN_ORDERS"), L"A (1)\r\nB (2)\r\n");
  f.tform->link().Timer1Timer();
  EXPECT_EQ(SendMessageW(f.hwnd("ORDERS_LIST_m"), LB_GETCOUNT, 0, 0), 2);
}

TEST(FormWindow, TabFollowsThePanelsTabOrderAndSkipsHiddenControls) {
  RealForm f;
  f.controls->control("SET_TP_SL_WND").set_visible(true);
  SetForegroundWindow(f.form());
  auto tab_from = [&](std::string_view name) {
    SetFocus(f.hwnd(name));
    const MSG msg{f.hwnd(name), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(f.controls->handle_tab(msg));
    return GetFocus();
  };
  EXPECT_EQ(tab_from("Edit1"), f.hwnd("Edit2"));
  EXPECT_EQ(tab_from("Edit2"), f.hwnd("Edit3"));  // not the left-to-right order
  EXPECT_EQ(tab_from("Edit4"), f.hwnd("RzSpinButtons1"));
  EXPECT_EQ(tab_from("Button9"), f.hwnd("Edit1"));  // wraps round
  f.controls->control("Button3").set_enabled(false);
  EXPECT_EQ(tab_from("ORDERS_LIST_m"), f.hwnd("RzSpinButtons8"));
  EXPECT_EQ(tab_from("RzSpinButtons8"), f.hwnd("Button4"));  // Button3 is disabled
  const MSG other{f.hwnd("Edit1"), WM_KEYDOWN, 'A', 0, 0, {0, 0}};
  EXPECT_FALSE(f.controls->handle_tab(other));
}

}  // namespace
}  // namespace pelmora::win32_test
