// Host windows under real Win32: routing from child hosts, menu commands, closing and
// ownership, and the style details of the controls the terminal side relies on.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

#include "platform/win32/button.h"
#include "platform/win32/edit.h"
#include "platform/win32/host_window.h"
#include "platform/win32/list_box.h"
#include "platform/win32/popup_menu.h"

namespace pelmora::platform::win32 {
namespace {

HostWindow top_level(const char* caption = "Pelmora host test") {
  return HostWindow(HostArgs{.caption = caption, .bounds = {0, 0, 300, 300}});
}

bool quit_was_posted() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(HostWindow, ChildHostRoutesItsControlsNotificationsAfterBeingMoved) {
  HostWindow top = top_level();
  HostWindow panel(HostArgs{.parent = top.hwnd(), .id = 7, .bounds = {5, 5, 200, 200}});
  HostWindow moved = std::move(panel);
  EXPECT_EQ(panel.hwnd(), nullptr);
  EXPECT_EQ(GetDlgItem(top.hwnd(), 7), moved.hwnd());

  Button button(
      ButtonArgs{.parent = moved.hwnd(), .id = 3, .bounds = {5, 5, 60, 20}, .caption = "TP/SL"});
  int clicks = 0;
  button.set_on_click([&] { ++clicks; });
  SendMessageW(button.hwnd(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST(HostWindow, OwnerDestroysTheWindowAndAClosedWindowLeavesTheOwnerEmpty) {
  HWND hwnd = nullptr;
  {
    HostWindow host = top_level();
    hwnd = host.hwnd();
    EXPECT_TRUE(IsWindow(hwnd));
  }
  EXPECT_FALSE(IsWindow(hwnd));

  HostWindow main(HostArgs{.caption = "Pelmora main", .quit_on_destroy = true});
  SendMessageW(main.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(main.hwnd(), nullptr);
  EXPECT_TRUE(quit_was_posted());
}

TEST(HostWindow, CloseHandlerKeepsTheWindow) {
  HostWindow host = top_level();
  int closes = 0;
  host.set_on_close([&] { ++closes; });
  SendMessageW(host.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(IsWindow(host.hwnd()));
  EXPECT_FALSE(quit_was_posted());
}

TEST(HostWindow, MenuCommandsReachOnlyEnabledItemsOfTheRightMenu) {
  HostWindow host = top_level();
  PopupMenu menu;
  MenuItem& close_all = menu.add_item(2, "Закрыть все ордера");
  MenuItem& other = menu.add_item(3, "Настройки");
  host.set_on_menu_command([&](int id) { menu.dispatch(id); });
  int close_alls = 0;
  int others = 0;
  close_all.set_on_click([&] { ++close_alls; });
  other.set_on_click([&] { ++others; });

  SendMessageW(host.hwnd(), WM_COMMAND, MAKEWPARAM(3, 0), 0);
  SendMessageW(host.hwnd(), WM_COMMAND, MAKEWPARAM(99, 0), 0);
  EXPECT_EQ(others, 1);
  EXPECT_EQ(close_alls, 0);
  // A stray command for a greyed item (the user cannot choose one) does nothing.
  close_all.set_enabled(false);
  SendMessageW(host.hwnd(), WM_COMMAND, MAKEWPARAM(2, 0), 0);
  EXPECT_EQ(close_alls, 0);
  EXPECT_FALSE(menu.dispatch(99));
}

TEST(Controls, ExchangeFieldsAreFoundByIdAndTheOrdersFieldWrapsWithoutScrollBars) {
  HostWindow host = top_level();
  Edit orders(EditArgs{.parent = host.hwnd(), .id = 1001, .multi_line = true});
  Edit command(EditArgs{.parent = host.hwnd(), .id = 1006});
  EXPECT_EQ(GetDlgItem(host.hwnd(), 1001), orders.hwnd());
  EXPECT_EQ(GetDlgItem(host.hwnd(), 1006), command.hwnd());

  const LONG_PTR style = GetWindowLongPtrW(orders.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_WANTRETURN);
  EXPECT_FALSE(style & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL));
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(command.hwnd(), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));
}

TEST(Controls, ReplacingAnItemKeepsWhereTheUserScrolledTo) {
  HostWindow host = top_level();
  ListBox list(ListBoxArgs{.parent = host.hwnd(), .bounds = {0, 0, 150, 60}});
  for (int i = 0; i < 40; ++i) list.append(std::to_string(i));
  list.select(2);
  SendMessageW(list.hwnd(), LB_SETTOPINDEX, 20, 0);
  list.replace(25, "25 (sell 0.10)");
  EXPECT_EQ(SendMessageW(list.hwnd(), LB_GETTOPINDEX, 0, 0), 20);
  EXPECT_EQ(list.selected(), 2);
}

TEST(Controls, RepaintLeavesAButtonsVisibilityAsItWas) {
  HostWindow host = top_level();
  Button shown(ButtonArgs{.parent = host.hwnd(), .caption = "CLOSE"});
  Button hidden(ButtonArgs{.parent = host.hwnd(), .caption = "T-SL"});
  hidden.set_visible(false);
  shown.repaint();
  hidden.repaint();
  EXPECT_TRUE(shown.visible());
  EXPECT_FALSE(hidden.visible());
}

}  // namespace
}  // namespace pelmora::platform::win32
